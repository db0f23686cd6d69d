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

// A list action already done: its first redo is the action itself.
class ListStep : public QUndoCommand {
  public:
    ListStep(AppDelegate &delegate, const QString &name, PhotoList before, qint64 beforeRow)
        : QUndoCommand(name), m_delegate(delegate), m_before(std::move(before)), m_beforeRow(beforeRow),
          m_after(delegate.project().photos()), m_afterRow(delegate.project().selectedIndex())
    {
        // The row the action selects: the last after an add, the first after a removal.
        if (m_after.size() > m_before.size())
            m_afterRow = m_after.size() - 1;
        else if (m_after.size() < m_before.size())
            m_afterRow = m_after.isEmpty() ? -1 : 0;
    }
    void undo() override { m_delegate.restoreList(m_before, m_beforeRow); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.restoreList(m_after, m_afterRow);
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
        : QUndoCommand(AppDelegate::tr("Change %1")
                           .arg(QCoreApplication::translate("PhotoField", photoFieldRow(field).label))),
          m_delegate(delegate), m_photo(std::move(photo)), m_field(field), m_before(before),
          m_after(readPhotoField(*m_photo, field)), m_gesture(gesture)
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
    void undo() override { m_delegate.restoreField(m_photo, m_field, m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.restoreField(m_photo, m_field, m_after);
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
    OptionsStep(AppDelegate &delegate, const ProjectOptions &before)
        : QUndoCommand(QStringLiteral("Change %1")
                           .arg(QLatin1String(projectOptionLabel(before, delegate.project().options())))),
          m_delegate(delegate), m_before(before), m_after(delegate.project().options())
    {
    }
    void undo() override { m_delegate.restoreOptions(m_before); }
    void redo() override
    {
        if (!std::exchange(m_done, false))
            m_delegate.restoreOptions(m_after);
    }

  private:
    AppDelegate &m_delegate;
    ProjectOptions m_before;
    ProjectOptions m_after;
    bool m_done = true;
};

GestureCounter *g_gestures = nullptr;

} // namespace

ListStepRecorder::ListStepRecorder(AppDelegate &delegate, const QString &name)
    : m_delegate(delegate), m_name(name), m_before(delegate.project().photos()),
      m_beforeRow(delegate.project().selectedIndex())
{
}

ListStepRecorder::~ListStepRecorder()
{
    const PhotoList &after = m_delegate.project().photos();
    if (m_dismissed || after == m_before)
        return;
    if (after.size() > m_before.size() + 1)
        m_name += QLatin1Char('s');
    m_delegate.undoStack().push(new ListStep(m_delegate, m_name, m_before, m_beforeRow));
}

QUndoStack &AppDelegate::undoStack()
{
    if (!m_undoStack) {
        m_undoStack = new QUndoStack(this);
        connect(m_undoStack, &QUndoStack::cleanChanged, this, &AppDelegate::updateWindowTitle);
        if (!g_gestures && QCoreApplication::instance()) {
            g_gestures = new GestureCounter(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(g_gestures);
        }
    }
    return *m_undoStack;
}

void AppDelegate::recordFieldStep(const PhotoPtr &photo, PhotoField field, double before)
{
    if (readPhotoField(*photo, field) != before)
        undoStack().push(new FieldStep(*this, photo, field, before, g_gestures ? g_gestures->count : 0));
}

bool AppDelegate::setProjectOptions(const ProjectOptions &options)
{
    const ProjectOptions before = m_project.setOptions(options);
    if (before == options)
        return false;
    undoStack().push(new OptionsStep(*this, before));
    return true;
}

void AppDelegate::restoreList(const PhotoList &photos, qint64 row)
{
    // A selection still pending from the action would override the restored one.
    for (QTimer *pending : {timerSelectLastTableRow.get(), timerSelectFirstTableRow.get()})
        if (pending)
            pending->stop();
    m_project.replaceList(photos);
    restoreSelection(row);
}

void AppDelegate::restoreField(const PhotoPtr &photo, PhotoField field, double value)
{
    m_project.writeField(photo, field, value);
    restoreSelection(m_project.photos().indexOf(photo));
}

// Selecting the row loads its photo into the panel; the same row is loaded again, as
// its values have changed.
void AppDelegate::restoreSelection(qint64 row)
{
    if (row == selectedTableRow()) {
        syncPanelToSelection();
    } else if (row >= 0 && row < m_project.photos().size()) {
        selectTableRow(row);
    } else if (tablePhotos) {
        tablePhotos->clearSelection();
    }
}
