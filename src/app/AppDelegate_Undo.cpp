// Undo and redo: every list action and every write of a panel control is one step of
// the history, named as the Edit menu shows it. A step restores the list or the field
// and selects the row the change was made on, which loads that photo into the panel.
#include "app/AppDelegate.h"

#include "app/UndoSteps.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QUndoStack>

#include <utility>

namespace {

// Counts the ends of pointer and key gestures (a button or a key let go), so that the
// changes of one slider drag, or of a key held down, merge into one step.
class GestureCounter : public QObject {
  public:
    using QObject::QObject;
    quint64 count = 0;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonRelease ||
            (type == QEvent::KeyRelease && !static_cast<QKeyEvent *>(event)->isAutoRepeat()))
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

QString fieldName(PhotoField field)
{
    switch (field) {
    case PhotoField::CompositeBlendMode:
        return QStringLiteral("Blend Mode");
    case PhotoField::CompositeSizeOfBG:
        return QStringLiteral("Match Background Size");
    case PhotoField::ShapeType:
        return QStringLiteral("Shape");
    case PhotoField::LinearIntersectionLevel:
        return QStringLiteral("Intersection");
    case PhotoField::TransparentTransparency:
        return QStringLiteral("Transparency");
    case PhotoField::CompositeSize:
    case PhotoField::ShapeSize:
    case PhotoField::TransparentSize:
        return QStringLiteral("Size");
    case PhotoField::CompositeXOffset:
    case PhotoField::ShapeXOffset:
    case PhotoField::TransparentXOffset:
        return QStringLiteral("Horizontal Offset");
    case PhotoField::CompositeOpacity:
        return QStringLiteral("Opacity");
    case PhotoField::ShapeFeather:
        return QStringLiteral("Feather");
    default:
        return QStringLiteral("Vertical Offset");
    }
}

// A list action already done: its first redo is the action itself.
class ListStep : public QUndoCommand {
  public:
    ListStep(AppDelegate &delegate, const QString &name, PhotoList before, qint64 beforeRow)
        : QUndoCommand(name), m_delegate(delegate), m_before(std::move(before)), m_beforeRow(beforeRow),
          m_after(delegate.array_Photos), m_afterRow(delegate.i_Selected_Photo_Index)
    {
        // The row the action selects: the last after an add, the first after a removal.
        if (m_after.size() > m_before.size())
            m_afterRow = m_after.size() - 1;
        else if (m_after.size() < m_before.size())
            m_afterRow = m_after.isEmpty() ? -1 : 0;
    }
    void undo() override { m_delegate.Restore_List(m_before, m_beforeRow); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.Restore_List(m_after, m_afterRow);
    }

  private:
    AppDelegate &m_delegate;
    PhotoList m_before;
    qint64 m_beforeRow;
    PhotoList m_after;
    qint64 m_afterRow;
    bool m_done = true;
};

// A panel's write into one field of one photo; the writes of one gesture merge.
class FieldStep : public QUndoCommand {
  public:
    FieldStep(AppDelegate &delegate, PhotoPtr photo, PhotoField field, double before, quint64 gesture)
        : QUndoCommand(QStringLiteral("Change %1").arg(fieldName(field))), m_delegate(delegate),
          m_photo(std::move(photo)), m_field(field), m_before(before),
          m_after(Read_Photo_Field(*m_photo, field)), m_gesture(gesture)
    {
    }
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const FieldStep *>(other);
        if (next->m_photo != m_photo || next->m_field != m_field || next->m_gesture != m_gesture)
            return false;
        m_after = next->m_after;
        setObsolete(m_after == m_before); // dragged back to where it started
        return true;
    }
    void undo() override { m_delegate.Restore_Field(m_photo, m_field, m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.Restore_Field(m_photo, m_field, m_after);
    }

  private:
    AppDelegate &m_delegate;
    PhotoPtr m_photo;
    PhotoField m_field;
    double m_before;
    double m_after;
    quint64 m_gesture;
    bool m_done = true;
};

// A change of the project-wide settings, named after the one that changed.
class OptionsStep : public QUndoCommand {
  public:
    OptionsStep(AppDelegate &delegate, const Project_Options &before)
        : QUndoCommand(before.blendSpace != delegate.projectOptions.blendSpace
                           ? QStringLiteral("Change Blend Space")
                           : QStringLiteral("Change Full Resolution")),
          m_delegate(delegate), m_before(before), m_after(delegate.projectOptions)
    {
    }
    void undo() override { m_delegate.Restore_Project_Options(m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.Restore_Project_Options(m_after);
    }

  private:
    AppDelegate &m_delegate;
    Project_Options m_before;
    Project_Options m_after;
    bool m_done = true;
};

GestureCounter *g_gestures = nullptr;

} // namespace

ListStepRecorder::ListStepRecorder(AppDelegate &delegate, const QString &name)
    : m_delegate(delegate), m_name(name), m_before(delegate.array_Photos),
      m_beforeRow(delegate.i_Selected_Photo_Index)
{
}

ListStepRecorder::~ListStepRecorder()
{
    const PhotoList &after = m_delegate.array_Photos;
    if (after == m_before)
        return;
    if (after.size() > m_before.size() + 1)
        m_name += QLatin1Char('s');
    m_delegate.undoStack().push(new ListStep(m_delegate, m_name, m_before, m_beforeRow));
}

QUndoStack &AppDelegate::undoStack()
{
    if (!m_undoStack) {
        m_undoStack = new QUndoStack(this);
        if (!g_gestures && QCoreApplication::instance()) {
            g_gestures = new GestureCounter(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(g_gestures);
        }
    }
    return *m_undoStack;
}

void AppDelegate::recordFieldStep(const PhotoPtr &photo, PhotoField field, double before)
{
    if (Read_Photo_Field(*photo, field) != before)
        undoStack().push(new FieldStep(*this, photo, field, before, g_gestures ? g_gestures->count : 0));
}

bool AppDelegate::Set_Project_Options(const Project_Options &options)
{
    if (options == projectOptions)
        return false;
    const Project_Options before = projectOptions;
    projectOptions = options;
    undoStack().push(new OptionsStep(*this, before));
    markPreviewForRedraw();
    return true;
}

void AppDelegate::Restore_Project_Options(const Project_Options &options)
{
    projectOptions = options;
    markPreviewForRedraw();
    Sync_Panel_To_Selection();
}

void AppDelegate::Restore_List(const PhotoList &photos, qint64 row)
{
    // A selection still pending from the action would override the restored one.
    for (QTimer *pending : {timerSelectLastTableRow.get(), timerSelectFirstTableRow.get()})
        if (pending)
            pending->stop();
    array_Photos = photos;
    refreshTablePhotos();
    markPreviewForRedraw();
    restoreSelection(row);
}

void AppDelegate::Restore_Field(const PhotoPtr &photo, PhotoField field, double value)
{
    Write_Photo_Field(*photo, field, value);
    markPreviewForRedraw();
    restoreSelection(array_Photos.indexOf(photo));
}

// Selecting the row loads its photo into the panel; the same row is loaded again, as
// its values have changed.
void AppDelegate::restoreSelection(qint64 row)
{
    if (row == selectedTableRow()) {
        Sync_Panel_To_Selection();
    } else if (row >= 0 && row < array_Photos.size()) {
        selectTableRow(row);
    } else if (tablePhotos) {
        tablePhotos->clearSelection();
    }
}
