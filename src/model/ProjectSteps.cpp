#include "model/ProjectSteps.h"

#include <QCoreApplication>

#include <utility>

namespace {

// Takes `photo` out of a list kept by a step, keeping the selected row on the same photo
// (or on the nearest row when it was that photo).
void dropFrom(PhotoList &list, qint64 &row, const PhotoPtr &photo)
{
    const qsizetype index = list.indexOf(photo);
    if (index < 0)
        return;
    list.removeAt(index);
    if (row > index)
        --row;
    row = list.isEmpty() ? -1 : std::min<qint64>(row, list.size() - 1);
}

// What a change from `before` to `after` is called in the Edit menu ("Change <label>"):
// the blend space when it differs, else the full-resolution setting.
const char *optionLabel(const ProjectOptions &before, const ProjectOptions &after)
{
    return before.blendSpace != after.blendSpace ? QT_TRANSLATE_NOOP("PhotoProject", "Blend Space")
                                                 : QT_TRANSLATE_NOOP("PhotoProject", "Full Resolution");
}

} // namespace

ListStep::ListStep(PhotoProject &project, const QString &name, PhotoList before, qint64 rowBefore,
                   PhotoList after, qint64 rowAfter)
    : ProjectStep(name), m_project(project), m_before(std::move(before)), m_rowBefore(rowBefore),
      m_after(std::move(after)), m_rowAfter(rowAfter)
{
}

void ListStep::undo()
{
    m_project.applyList(m_before, m_rowBefore, true);
}

void ListStep::redo()
{
    m_project.applyList(m_after, m_rowAfter, !std::exchange(m_first, false));
}

void ListStep::forget(const PhotoPtr &photo)
{
    dropFrom(m_before, m_rowBefore, photo);
    dropFrom(m_after, m_rowAfter, photo);
    setObsolete(m_before == m_after);
}

FieldStep::FieldStep(PhotoProject &project, PhotoPtr photo, PhotoField field, double before, double after,
                     quint64 gesture)
    : ProjectStep(PhotoProject::tr("Change %1")
                      .arg(QCoreApplication::translate("PhotoField", photoFieldRow(field).label))),
      m_project(project), m_photo(std::move(photo)), m_field(field), m_before(before), m_after(after),
      m_gesture(gesture)
{
}

bool FieldStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const FieldStep *>(other);
    if (m_gesture == 0 || next->m_gesture != m_gesture || next->m_photo != m_photo ||
        next->m_field != m_field)
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before); // dragged back to where it started
    return true;
}

void FieldStep::undo()
{
    m_project.applyField(m_photo, m_field, m_before, true);
}

void FieldStep::redo()
{
    m_project.applyField(m_photo, m_field, m_after, !std::exchange(m_first, false));
}

void FieldStep::forget(const PhotoPtr &photo)
{
    if (photo == m_photo)
        setObsolete(true);
}

OptionsStep::OptionsStep(PhotoProject &project, const ProjectOptions &before, const ProjectOptions &after,
                         qint64 row)
    : ProjectStep(PhotoProject::tr("Change %1").arg(PhotoProject::tr(optionLabel(before, after)))),
      m_project(project), m_before(before), m_after(after), m_row(row)
{
}

void OptionsStep::undo()
{
    m_project.applyOptions(m_before, m_row, true);
}

void OptionsStep::redo()
{
    m_project.applyOptions(m_after, m_row, !std::exchange(m_first, false));
}

MaskStep::MaskStep(PhotoProject &project, PhotoPtr photo, PhotoMask before, PhotoMask after,
                   const QString &name)
    : ProjectStep(name), m_project(project), m_photo(std::move(photo)), m_before(std::move(before)),
      m_after(std::move(after))
{
}

void MaskStep::undo()
{
    m_project.applyMask(m_photo, m_before, true);
}

void MaskStep::redo()
{
    m_project.applyMask(m_photo, m_after, !std::exchange(m_first, false));
}

void MaskStep::forget(const PhotoPtr &photo)
{
    if (photo == m_photo)
        setObsolete(true);
}
