#pragma once

#include "imaging/PhotoLoader.h"
#include "model/Object_Photo.h"

#include <vector>

// Loads the picture of every photo record of a project from its sFile, side by side.
// Returns one result per photo, in the list's order; a photo that loaded gets its
// picture and its file name as sName. The desktop application (which asks about each
// refusal) and the command-line renderer (which stops at the first) both read a
// project's photos here.
std::vector<LoadResult> loadPictures(const NewPhotoList &photos);
