#include "cli/MixCommand.h"

QString Mix_Help_Text()
{
    return QStringLiteral(R"(Usage: quillane-mix [--view WIDTHxHEIGHT] -o OUTPUT.png PROJECT.json

Mixes the photos of a project into one picture, as the Quillane preview does, and
writes it as a PNG file. PROJECT.json may be - to read the project from standard input.

Options:
  -o OUTPUT.png          the picture to write (replaced only once it is complete)
  --view WIDTHxHEIGHT    write what the preview canvas shows in a view of that size
                         (the picture fitted and centred, black bands and all);
                         without it, the full-resolution picture that Save stores
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
  "blendSpace" (optional) is where the filters mix colours: "linear" (light, the
  default) or "srgb" (the stored sRGB values, as most editors blend).
  "fullResolution" (optional, Linear projects only): true builds the saved strip from
  the photos at their own resolution, fitted to the smallest photo's height
  (linear-horizontal) or width (linear-vertical); false (default) from 400 x 400 copies.
  "photos" lists the photos in order; the first is the background. Each photo has
  "file" (relative paths start from the project file's folder, or from the current
  folder for standard input) and any of the keys of its mode; a missing key takes the
  value a photo added in that mode gets.

  composite    "blend"            0 to 24 or the blend mode's name (default 0,
                                  "Addition Compositing"; 16 is "Multiply Blend Mode",
                                  24 "Normal Blend Mode")
               "opacity"          per cent, 0 to 100: the layer's alpha is scaled by it
                                  before the blend (default 100)
               "matchBackground"  true: stretch the photo to the background (default);
                                  false: use size and offsets
               "size", "x", "y"   per cent of the photo's own size (default 0)
  shape        "shape"            0 to 11 or circle, star5, star6, heart, hectagon, cloud,
                                  flames, splash, splash2, swirl, swirl2, map (default 0)
               "size", "x", "y"   per cent of the photo's own size (default 0)
               "feather"          0 to 100 (default 0, a hard edge): softens the mask's
                                  edge over up to a tenth of its shorter side
  linear-*     "level"            overlap with the photo before, 0 to 360 (default 0);
                                  unless "fullResolution" is true, every photo is first
                                  fitted into 400 x 400, so the strip is at most 400
                                  points long per photo
  transparent  "transparency"     whole per cent, 0 (opaque) to 100 (default 0)
               "size", "x", "y"   per cent of the background (defaults 30, 0, 0)

Exit status:
  0  the picture was written
  1  a photo could not be loaded, or the picture could not be rendered or written
  2  a wrong option or a wrong project file (unknown mode or key, a key of another mode,
     a value of the wrong type or out of range, no photos, malformed JSON)
Every failure prints one line naming the file or key and the reason, and leaves no
output file behind.
)");
}
