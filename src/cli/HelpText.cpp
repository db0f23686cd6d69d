#include "cli/MixCommand.h"

QString Mix_Help_Text()
{
    return QStringLiteral(R"(Usage: quillane-mix [OPTIONS] -o OUTPUT PROJECT.json
       quillane-mix [OPTIONS] -O FOLDER PROJECT.json...

Mixes the photos of a project into one picture, as the Quillane preview does, and
writes it as PNG, JPEG, WebP or TIFF, as the output's extension says. PROJECT.json may
be - to read the project from standard input.

Options:
  -o OUTPUT              the picture to write (replaced only once it is complete):
                         .png, .jpg or .jpeg, .webp, .tif or .tiff; - writes it to
                         standard output (with --format)
  -O FOLDER              mix every project given, each into FOLDER/PROJECT.png (or the
                         extension of --format); a project that fails does not stop
                         the others
  --format NAME          png, jpeg, webp or tiff: for -o - and -O
  --quality N            1 to 100 for JPEG and WebP (default 90; JPEG from 90 up keeps
                         full colour resolution, below it halves it)
  --lossless             WebP without loss
  --view WIDTHxHEIGHT    write what the preview canvas shows in a view of that size
                         (the picture fitted and centred, black bands and all);
                         without it, the full-resolution picture that Save stores
  -q, --quiet            no progress lines (they appear on standard error only when
                         it is a terminal)
  -h, --help             show this text
  --version              show the version

Photos may be bmp, gif, jpeg, png, tiff, webp, heic/heif, avif, jpeg xl or camera raw
(dng, cr2, cr3, nef, arw, raf, orf, rw2 and others). Pictures carry the sRGB colour
description and no EXIF from the photos. JPEG has no transparency: transparent parts
come out black.

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
  0  the picture was written (with -O: every picture)
  1  a photo could not be loaded, or the picture could not be rendered or written
  2  a wrong option or a wrong project file (unknown mode or key, a key of another mode,
     a value of the wrong type or out of range, no photos, malformed JSON), or an
     output extension that names no format
  with -O, the number of projects that failed (at most 100)
Every failure prints one line naming the file or key and the reason, and leaves no
output file behind.
)");
}
