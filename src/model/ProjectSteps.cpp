#include "model/ProjectSteps.h"

#include <QCoreApplication>

#include <algorithm>
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
// the blend space when it differs, then a fusion weight, else the full-resolution setting.
const char *optionLabel(const ProjectOptions &before, const ProjectOptions &after)
{
    const FusionWeights &b = before.fusion;
    const FusionWeights &a = after.fusion;
    if (before.blendSpace != after.blendSpace)
        return QT_TRANSLATE_NOOP("PhotoProject", "Blend Space");
    if (b.contrast != a.contrast)
        return QT_TRANSLATE_NOOP("PhotoProject", "Contrast Weight");
    if (b.saturation != a.saturation)
        return QT_TRANSLATE_NOOP("PhotoProject", "Saturation Weight");
    if (b.exposure != a.exposure)
        return QT_TRANSLATE_NOOP("PhotoProject", "Exposure Weight");
    return QT_TRANSLATE_NOOP("PhotoProject", "Full Resolution");
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

OptionsStep::OptionsStep(PhotoProject &project, const ProjectOptions &before, const ProjectOptions &after,
                         qint64 row, quint64 gesture)
    : ProjectStep(PhotoProject::tr("Change %1").arg(PhotoProject::tr(optionLabel(before, after)))),
      m_project(project), m_before(before), m_after(after), m_row(row), m_gesture(gesture)
{
}

bool OptionsStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const OptionsStep *>(other);
    if (m_gesture == 0 || next->m_gesture != m_gesture || next->text() != text())
        return false;
    m_after = next->m_after;
    setObsolete(m_after == m_before);
    return true;
}

void OptionsStep::undo()
{
    m_project.applyOptions(m_before, m_row, true);
}

void OptionsStep::redo()
{
    m_project.applyOptions(m_after, m_row, !std::exchange(m_first, false));
}

AlignmentStep::AlignmentStep(PhotoProject &project, const QString &name,
                             QList<PhotoProject::AlignmentWrite> before,
                             QList<PhotoProject::AlignmentWrite> after)
    : ProjectStep(name), m_project(project), m_before(std::move(before)), m_after(std::move(after))
{
}

void AlignmentStep::undo()
{
    m_project.applyAlignment(m_before, true);
}

void AlignmentStep::redo()
{
    m_project.applyAlignment(m_after, !std::exchange(m_first, false));
}

void AlignmentStep::forget(const PhotoPtr &photo)
{
    for (QList<PhotoProject::AlignmentWrite> *list : {&m_before, &m_after})
        list->removeIf([&](const PhotoProject::AlignmentWrite &write) { return write.photo == photo; });
    setObsolete(m_after.isEmpty());
}

FieldsStep::FieldsStep(PhotoProject &project, PhotoPtr photo, const QString &name, Values before,
                       Values after, quint64 gesture)
    : ProjectStep(name), m_project(project), m_photo(std::move(photo)), m_before(std::move(before)),
      m_after(std::move(after)), m_gesture(gesture)
{
}

bool FieldsStep::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const FieldsStep *>(other);
    if (m_gesture == 0 || next->m_gesture != m_gesture || next->m_photo != m_photo || next->text() != text())
        return false;
    for (qsizetype i = 0; i < next->m_after.size(); ++i) {
        const PhotoField field = next->m_after[i].field;
        const auto same = [field](const PhotoProject::FieldValue &value) { return value.field == field; };
        const auto known = std::find_if(m_after.begin(), m_after.end(), same);
        if (known != m_after.end()) {
            known->value = next->m_after[i].value;
        } else {
            m_before.append(next->m_before[i]);
            m_after.append(next->m_after[i]);
        }
    }
    bool unchanged = true; // dragged back to where it started
    for (qsizetype i = 0; i < m_after.size(); ++i)
        unchanged = unchanged && m_after[i].value == m_before[i].value;
    setObsolete(unchanged);
    return true;
}

void FieldsStep::undo()
{
    m_project.applyFields(m_photo, m_before, true);
}

void FieldsStep::redo()
{
    m_project.applyFields(m_photo, m_after, !std::exchange(m_first, false));
}

void FieldsStep::forget(const PhotoPtr &photo)
{
    if (photo == m_photo)
        setObsolete(true);
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
