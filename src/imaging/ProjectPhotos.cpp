#include "imaging/ProjectPhotos.h"

#include "imaging/Parallel.h"

std::vector<LoadResult> loadPictures(const NewPhotoList &photos)
{
    std::vector<LoadResult> loaded(size_t(photos.size()));
    parallelTasks(int(loaded.size()), [&](int i) { loaded[size_t(i)] = loadPhoto(photos[i]->sFile); });
    for (size_t i = 0; i < loaded.size(); ++i) {
        if (!loaded[i].ok())
            continue;
        givePicture(*photos[qsizetype(i)], loaded[i].image, nullptr);
    }
    return loaded;
}
