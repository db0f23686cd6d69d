#include "model/PhotoProject.h"

#include "model/ProjectSteps.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The project's own records are made by the project (copies of what it is given) and
// are read-only to everyone else; the raw operations alone change them.
Object_Photo &ownRecord(const PhotoPtr &photo)
{
    return const_cast<Object_Photo &>(*photo);
}

} // namespace

PhotoProject::PhotoProject(QObject *parent) : QObject(parent)
{
    connect(&m_history, &QUndoStack::cleanChanged, this, [this] { emit changed(ModifiedChanged); });
}

PhotoProject::~PhotoProject()
{
    m_history.disconnect(this);
    m_history.clear();
}

PhotoPtr PhotoProject::tunablePhoto() const
{
    const qint64 index = i_Selected_Photo_Index;
    if (index <= 0 || index >= array_Photos.size())
        return nullptr;
    return array_Photos[index];
}

bool PhotoProject::isModified() const
{
    return !m_history.isClean() || (m_projectFile.isEmpty() && !array_Photos.isEmpty());
}

PhotoList PhotoProject::copied(const PhotoList &photos)
{
    PhotoList copies;
    copies.reserve(photos.size());
    for (const PhotoPtr &photo : photos)
        copies.append(std::make_shared<const Object_Photo>(*photo));
    return copies;
}

void PhotoProject::pushListStep(const QString &name, const PhotoList &after, qint64 rowAfter)
{
    m_history.push(new ListStep(*this, name, array_Photos, i_Selected_Photo_Index, after, rowAfter));
}

void PhotoProject::addPhotos(const PhotoList &photos)
{
    if (photos.isEmpty())
        return;
    const PhotoList after = array_Photos + copied(photos);
    pushListStep(photos.size() == 1 ? tr("Add Photo") : tr("Add Photos"), after, after.size() - 1);
}

bool PhotoProject::removeAt(qint64 row)
{
    if (row < 0 || row >= array_Photos.size())
        return false;
    PhotoList after = array_Photos;
    after.removeAt(row);
    pushListStep(tr("Remove Photo"), after, after.isEmpty() ? -1 : 0);
    return true;
}

bool PhotoProject::move(qint64 row, int by)
{
    const qint64 other = row + by;
    if (row < 0 || other < 0 || row >= array_Photos.size() || other >= array_Photos.size() || by == 0)
        return false;
    PhotoList after = array_Photos;
    after.swapItemsAt(row, other);
    pushListStep(by < 0 ? tr("Move Photo Up") : tr("Move Photo Down"), after, i_Selected_Photo_Index);
    return true;
}

bool PhotoProject::moveTo(qint64 from, qint64 to)
{
    const qint64 count = array_Photos.size();
    if (from < 0 || to < 0 || from >= count || to >= count || from == to)
        return false;
    if (std::abs(to - from) == 1)
        return move(from, int(to - from));
    PhotoList after = array_Photos;
    after.move(from, to);
    pushListStep(to < from ? tr("Move Photo Up") : tr("Move Photo Down"), after, i_Selected_Photo_Index);
    return true;
}

bool PhotoProject::replacePhoto(const PhotoPtr &photo, const QString &file, const QImage &image,
                                std::shared_ptr<const ReducedCopies> copies)
{
    const qsizetype row = array_Photos.indexOf(photo);
    if (!photo || row < 0)
        return false;
    auto replaced = std::make_shared<Object_Photo>(*photo);
    replaced->sFile = QFileInfo(file).absoluteFilePath();
    givePicture(*replaced, image, std::move(copies));
    replaced->alignment.reset(); // found for the old picture, it means nothing for this one
    PhotoList after = array_Photos;
    after[row] = replaced;
    pushListStep(tr("Replace Photo"), after, i_Selected_Photo_Index);
    return true;
}

void PhotoProject::replaceList(const PhotoList &photos)
{
    const PhotoList after = copied(photos);
    pushListStep(tr("Replace Photos"), after,
                 i_Selected_Photo_Index < after.size() ? i_Selected_Photo_Index : -1);
}

PhotoList PhotoProject::addLoadingPhotos(const QStringList &files)
{
    PhotoList loading;
    for (const QString &file : files) {
        NewPhoto photo = makePhoto(QImage(), QFileInfo(file).fileName(), modeBlend);
        photo->sFile = QFileInfo(file).absoluteFilePath();
        loading.append(photo);
        m_loading.push_back(loading.last());
    }
    if (!loading.isEmpty()) {
        const PhotoList after = array_Photos + loading;
        pushListStep(loading.size() == 1 ? tr("Add Photo") : tr("Add Photos"), after, after.size() - 1);
    }
    return loading;
}

bool PhotoProject::isLoading(const PhotoPtr &photo) const
{
    return std::any_of(m_loading.begin(), m_loading.end(),
                       [&](const std::weak_ptr<const Object_Photo> &entry) { return entry.lock() == photo; });
}

bool PhotoProject::hasLoadingPhotos() const
{
    return std::any_of(array_Photos.begin(), array_Photos.end(),
                       [this](const PhotoPtr &photo) { return isLoading(photo); });
}

bool PhotoProject::finishLoading(const PhotoPtr &photo, const QImage &image,
                                 std::shared_ptr<const ReducedCopies> copies)
{
    const auto entry =
        std::find_if(m_loading.begin(), m_loading.end(),
                     [&](const std::weak_ptr<const Object_Photo> &e) { return e.lock() == photo; });
    if (!photo || entry == m_loading.end())
        return false;
    m_loading.erase(entry);
    givePicture(ownRecord(photo), image, std::move(copies));
    if (array_Photos.contains(photo))
        emit changed(ListChanged);
    return true;
}

void PhotoProject::dropLoadingPhoto(const PhotoPtr &photo)
{
    std::erase_if(m_loading, [&](const std::weak_ptr<const Object_Photo> &e) {
        return e.expired() || e.lock() == photo;
    });
    for (int i = 0; i < m_history.count(); ++i)
        if (auto *step = dynamic_cast<ProjectStep *>(const_cast<QUndoCommand *>(m_history.command(i))))
            step->forget(photo);
    const qsizetype row = array_Photos.indexOf(photo);
    if (row >= 0) {
        PhotoList after = array_Photos;
        qint64 selected = i_Selected_Photo_Index;
        after.removeAt(row);
        if (selected > row || selected >= after.size())
            --selected;
        applyList(after, selected, false);
    }
    // An add that brought nothing else leaves no step behind.
    const QUndoCommand *top = m_history.index() > 0 ? m_history.command(m_history.index() - 1) : nullptr;
    if (top && top->isObsolete() && m_history.index() == m_history.count())
        m_history.undo();
}

void PhotoProject::reset(quint64 mode, const PhotoList &photos, const QString &projectFile,
                         const ProjectOptions &options, bool matchesFile)
{
    m_history.clear();
    m_loading.clear();
    modeBlend = mode;
    array_Photos = copied(photos);
    m_projectFile = projectFile;
    const bool sameOptions = m_options == options;
    m_options = options;
    const bool sameSelection = std::exchange(i_Selected_Photo_Index, -1) == -1;
    if (!matchesFile)
        m_history.resetClean();
    emit changed(ListChanged | ModeChanged | ProjectStarted | ModifiedChanged |
                 (sameOptions ? 0 : OptionsChanged) | (sameSelection ? 0 : SelectionChanged));
}

void PhotoProject::markSaved(const QString &path)
{
    m_projectFile = QFileInfo(path).absoluteFilePath();
    m_history.setClean();
    emit changed(ModifiedChanged);
}

bool PhotoProject::setOptions(const ProjectOptions &options, quint64 gesture)
{
    if (m_options == options)
        return false;
    m_history.push(new OptionsStep(*this, m_options, options, i_Selected_Photo_Index, gesture));
    return true;
}

void PhotoProject::select(qint64 row)
{
    if (const int what = applySelection(row))
        emit changed(what);
}

bool PhotoProject::writeField(qint64 row, PhotoField field, double value, quint64 gesture)
{
    const QString name =
        tr("Change %1").arg(QCoreApplication::translate("PhotoField", photoFieldRow(field).label));
    return writeFields(row, {{field, value}}, name, gesture);
}

bool PhotoProject::writeSelectedField(PhotoField field, double value, quint64 gesture)
{
    if (!tunablePhoto())
        return false;
    writeField(i_Selected_Photo_Index, field, value, gesture);
    return true;
}

bool PhotoProject::setAlignments(const QList<AlignmentWrite> &writes)
{
    QList<AlignmentWrite> before;
    QList<AlignmentWrite> after;
    for (const AlignmentWrite &write : writes)
        if (array_Photos.contains(write.photo) && write.photo->alignment != write.alignment) {
            before.append({write.photo, write.photo->alignment});
            after.append(write);
        }
    if (after.isEmpty())
        return false;
    const bool clears =
        std::all_of(after.begin(), after.end(), [](const AlignmentWrite &w) { return !w.alignment; });
    m_history.push(
        new AlignmentStep(*this, clears ? tr("Clear Alignment") : tr("Align to Background"), before, after));
    return true;
}

bool PhotoProject::clearAlignment(qint64 row)
{
    if (row < 0 || row >= array_Photos.size())
        return false;
    return setAlignments({{array_Photos[row], std::nullopt}});
}

bool PhotoProject::canMask(qint64 row) const
{
    return row > 0 && row < array_Photos.size() &&
           (modeBlend == Composite || modeBlend == Shape || modeBlend == Transparent);
}

bool PhotoProject::pushMaskStep(qint64 row, const PhotoMask &mask, const QString &name)
{
    if (!canMask(row) || array_Photos[row]->mask == mask)
        return false;
    m_history.push(new MaskStep(*this, array_Photos[row], array_Photos[row]->mask, mask, name));
    return true;
}

bool PhotoProject::addMaskStroke(qint64 row, const MaskStroke &stroke)
{
    qsizetype strokes = 1;
    qsizetype points = stroke.points.size();
    for (const PhotoPtr &photo : array_Photos) {
        strokes += photo->mask.strokes.size();
        points += maskPointCount(photo->mask);
    }
    if (!canMask(row) || stroke.points.isEmpty() || strokes > kMaskStrokesMax || points > kMaskPointsMax)
        return false;
    PhotoMask mask = array_Photos[row]->mask;
    mask.strokes.append(stroke);
    return pushMaskStep(row, mask, tr("Paint Mask"));
}

bool PhotoProject::addMaskGradient(qint64 row, const MaskGradient &gradient)
{
    if (!canMask(row))
        return false;
    PhotoMask mask = array_Photos[row]->mask;
    mask.gradients.append(gradient);
    return pushMaskStep(row, mask, tr("Add Gradient"));
}

bool PhotoProject::invertMask(qint64 row)
{
    if (!canMask(row))
        return false;
    PhotoMask mask = array_Photos[row]->mask;
    mask.invert = !mask.invert;
    return pushMaskStep(row, mask, tr("Invert Mask"));
}

bool PhotoProject::clearMask(qint64 row)
{
    return pushMaskStep(row, PhotoMask(), tr("Clear Mask"));
}

int PhotoProject::applySelection(qint64 row)
{
    if (row < -1 || row >= array_Photos.size())
        row = -1;
    if (row == i_Selected_Photo_Index)
        return 0;
    i_Selected_Photo_Index = row;
    return SelectionChanged;
}

void PhotoProject::applyList(const PhotoList &photos, qint64 row, bool fromHistory)
{
    array_Photos = photos;
    const int what = ListChanged | applySelection(row) | (fromHistory ? FromHistory : 0);
    emit changed(what);
}

void PhotoProject::applyAlignment(const QList<AlignmentWrite> &writes, bool fromHistory)
{
    for (const AlignmentWrite &write : writes)
        ownRecord(write.photo).alignment = write.alignment;
    int what = FieldChanged;
    if (fromHistory && writes.size() == 1)
        what |= FromHistory | applySelection(array_Photos.indexOf(writes.front().photo));
    else if (fromHistory)
        what |= FromHistory;
    emit changed(what);
}

void PhotoProject::applyOptions(const ProjectOptions &options, qint64 row, bool fromHistory)
{
    m_options = options;
    int what = OptionsChanged;
    if (fromHistory)
        what |= FromHistory | applySelection(row);
    emit changed(what);
}

bool PhotoProject::writeFields(qint64 row, const QList<FieldValue> &values, const QString &stepName,
                               quint64 gesture)
{
    if (row < 0 || row >= array_Photos.size())
        return false;
    const PhotoPtr &photo = array_Photos[row];
    Object_Photo written = *photo;
    QList<FieldValue> before;
    QList<FieldValue> after;
    for (const FieldValue &change : values) {
        writePhotoField(written, change.field, change.value);
        const double old = readPhotoField(*photo, change.field);
        const double now = readPhotoField(written, change.field);
        if (now != old) {
            before.append({change.field, old});
            after.append({change.field, now});
        }
    }
    if (after.isEmpty())
        return false;
    m_history.push(new FieldsStep(*this, photo, stepName, before, after, gesture));
    return true;
}

void PhotoProject::applyFields(const PhotoPtr &photo, const QList<FieldValue> &values, bool fromHistory)
{
    for (const FieldValue &value : values)
        writePhotoField(ownRecord(photo), value.field, value.value);
    int what = FieldChanged;
    if (fromHistory)
        what |= FromHistory | applySelection(array_Photos.indexOf(photo));
    emit changed(what);
}

void PhotoProject::applyMask(const PhotoPtr &photo, const PhotoMask &mask, bool fromHistory)
{
    ownRecord(photo).mask = mask;
    int what = FieldChanged;
    if (fromHistory)
        what |= FromHistory | applySelection(array_Photos.indexOf(photo));
    emit changed(what);
}
