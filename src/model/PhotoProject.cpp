#include "model/PhotoProject.h"

#include <utility>

PhotoProject::PhotoProject(QObject *parent) : QObject(parent) {}

PhotoPtr PhotoProject::tunablePhoto() const
{
    const qint64 index = i_Selected_Photo_Index;
    if (index <= 0 || index >= array_Photos.size())
        return nullptr;
    return array_Photos[index];
}

void PhotoProject::addPhotos(const PhotoList &photos)
{
    if (photos.isEmpty())
        return;
    array_Photos.append(photos);
    emit changed(ListChanged);
}

bool PhotoProject::setPicture(const PhotoPtr &photo, const QImage &image,
                              std::shared_ptr<const ReducedCopies> copies)
{
    if (!array_Photos.contains(photo))
        return false;
    photo->image = image;
    photo->reducedCopies = std::move(copies);
    emit changed(ListChanged);
    return true;
}

bool PhotoProject::removeAt(qint64 row)
{
    if (row < 0 || row >= array_Photos.size())
        return false;
    array_Photos.removeAt(row);
    int what = ListChanged;
    if (array_Photos.isEmpty() && i_Selected_Photo_Index != -1) {
        i_Selected_Photo_Index = -1;
        what |= SelectionChanged;
    }
    emit changed(what);
    return true;
}

bool PhotoProject::move(qint64 row, int by)
{
    const qint64 other = row + by;
    if (row < 0 || other < 0 || row >= array_Photos.size() || other >= array_Photos.size() || by == 0)
        return false;
    array_Photos.swapItemsAt(row, other);
    emit changed(ListChanged);
    return true;
}

void PhotoProject::replaceList(const PhotoList &photos)
{
    array_Photos = photos;
    emit changed(ListChanged);
}

void PhotoProject::reset(quint64 mode, const PhotoList &photos, const QString &projectFile,
                         const ProjectOptions &options)
{
    modeBlend = mode;
    array_Photos = photos;
    m_projectFile = projectFile;
    const bool sameOptions = m_options == options;
    m_options = options;
    emit changed(ListChanged | ModeChanged | ProjectStarted | (sameOptions ? 0 : OptionsChanged));
}

ProjectOptions PhotoProject::setOptions(const ProjectOptions &options)
{
    const ProjectOptions before = std::exchange(m_options, options);
    if (!(before == options))
        emit changed(OptionsChanged);
    return before;
}

void PhotoProject::setMode(quint64 mode)
{
    if (mode == modeBlend)
        return;
    modeBlend = mode;
    emit changed(ModeChanged);
}

void PhotoProject::select(qint64 row)
{
    if (row == i_Selected_Photo_Index)
        return;
    i_Selected_Photo_Index = row;
    emit changed(SelectionChanged);
}

double PhotoProject::writeField(const PhotoPtr &photo, PhotoField field, double value)
{
    const double before = readPhotoField(*photo, field);
    writePhotoField(*photo, field, value);
    emit changed(FieldChanged);
    return before;
}
