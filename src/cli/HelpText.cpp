#include "cli/MixCommand.h"
#include "imaging/MemoryBudget.h"

QString Mix_Help_Text()
{
    return QStringLiteral(
               R"(Usage: quillane-mix [--view WIDTHxHEIGHT] [--memory-budget AMOUNT] -o OUTPUT.png PROJECT.json

Mixes the photos of a project into one picture, as the Quillane preview does, and
writes it as a PNG file. PROJECT.json may be - to read the project from standard input.

Options:
  -o OUTPUT.png          the picture to write (replaced only once it is complete; never
                         one of the project's own files, and never anything but a
                         regular file)
  --view WIDTHxHEIGHT    write what the preview canvas shows in a view of that size
                         (the picture fitted and centred, black bands and all);
                         without it, the full-resolution picture that Save stores
  --memory-budget AMOUNT the memory the render may take as a whole, such as 4G or
                         512M (default: half of this computer's memory, %1)
  -h, --help             show this text
  --version              show the version

The project file:
  {"mode": "composite",
   "photos": [{"file": "beach.jpg"},
              {"file": "sky.jpg", "blend": "Multiply Blend Mode", "matchBackground": false,
               "size": 20, "x": 10, "y": 10}]}

  "version" (optional, 1) is the format's version, as Quillane writes it; a project
  of a later version is refused.
  "mode" is one of composite, shape, linear-horizontal, linear-vertical, transparent.
  "photos" lists the photos in order; the first is the background. Each photo has
  "file" (relative paths start from the project file's folder, or from the current
  folder for standard input) and any of the keys of its mode; a missing key takes the
  value a photo added in that mode gets.

  composite    "blend"            0 to 23 or the blend mode's name (default 0,
                                  "Addition Compositing"; 16 is "Multiply Blend Mode")
               "matchBackground"  true: stretch the photo to the background (default);
                                  false: use size and offsets
               "size", "x", "y"   per cent of the photo's own size (default 0)
  shape        "shape"            0 to 11 or circle, star5, star6, heart, hectagon, cloud,
                                  flames, splash, splash2, swirl, swirl2, map (default 0)
               "size", "x", "y"   per cent of the photo's own size (default 0)
  linear-*     "level"            overlap with the photo before, 0 to 360 (default 0);
                                  every photo is first fitted into 400 x 400, so the
                                  strip is at most 400 points long per photo
  transparent  "transparency"     whole per cent, 0 (opaque) to 100 (default 0)
               "size", "x", "y"   per cent of the background (defaults 30, 0, 0)

Exit status:
  0  the picture was written
  1  a photo could not be loaded, or the picture could not be rendered or written
  2  a wrong option or a wrong project file (unknown mode or key, a key of another mode,
     a value of the wrong type or out of range, no photos, malformed JSON)
Every failure prints one line naming the file or key and the reason, and leaves no
output file behind.

Limits: the project file is at most 4 MB and, like every photo, a regular file (not a
FIFO or a device). The decoded photos, the canvases that sizes and offsets ask for and
the view must fit the memory budget together; a project over it is refused before
anything is decoded, saying about how much it needs. One photo may take at most a
quarter of the budget, and a JPEG of more than 100 progressive scans is refused.
)")
        .arg(Memory_Amount(double(Default_Memory_Budget())));
}
