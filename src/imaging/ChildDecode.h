#pragma once

#include "imaging/DecodeGuard.h"

#include <functional>

// Running a decoder in a child process. Some decoders trust what a damaged file says
// beyond what the loader can check first (a HEIF file of 700 bytes whose coded picture
// claims gigabytes; a raw file that overflows a buffer in LibRaw's parsers): in a child,
// with a limit on the memory it may add, such a file ends the child only, and the loader
// refuses it as damaged. The decoded picture comes back through a pipe. The child's
// standard error is its own, and goes nowhere: decoder libraries that print their own
// lines (libjxl) do not add to the parent's.

// Runs `decode` in a child process that may allocate at most `memoryBytes` more than
// the process holds; returns what it returned, or a damaged picture when the child
// failed, crashed or ran out of memory.
DecodedPicture decodeInChild(const std::function<DecodedPicture()> &decode, qint64 memoryBytes);

// The memory a decoder of a picture of at most `maxPixels` pixels may use: 16-bit RGBA
// samples several times over, and room for the decoder's own tables.
qint64 decoderMemoryBudget(qint64 maxPixels);

// In a child of decodeInChild, once the decoder knows the size its file declares:
// lowers the memory the child may add to the budget of a picture of `pixels` pixels,
// so that a file cannot use more than its own size calls for. Does nothing elsewhere.
void limitChildMemoryTo(qint64 pixels);
