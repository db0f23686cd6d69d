#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoField.h"
#include "model/ProjectMode.h"
#include "model/ProjectOptions.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <vector>

// The document: the project being edited. It holds the photo list (array_Photos; the
// first photo is the background), the project type (modeBlend), the project-wide
// settings, the selected row (i_Selected_Photo_Index, -1 for none), the file it was
// opened from or saved to, its undo history with the modified state (the history's
// clean state), and which of its photos are still loading.
// Every change goes through the public operations below; each one that changes the
// project records its own undo step, named for the Edit menu. Undo and redo act on this
// document only. Everything else reads photos as const records. Each change announces
// itself with `changed`: the table, the canvas and the panels follow that one signal.
class PhotoProject : public QObject {
    Q_OBJECT
  public:
    enum Change : int {
        ListChanged = 1,       // photos added, removed, moved, the list replaced, a picture arrived
        FieldChanged = 2,      // a parameter of one photo
        ModeChanged = 4,       // the project type
        SelectionChanged = 8,  // the selected row
        OptionsChanged = 16,   // the project-wide settings (blend space, full resolution)
        ProjectStarted = 32,   // a new or opened project took the place of the one before
        FromHistory = 64,      // the change is an undo or a redo
        ModifiedChanged = 128, // the project went from saved to modified, or back
    };

    explicit PhotoProject(QObject *parent = nullptr);
    ~PhotoProject() override;

    const PhotoList &photos() const { return array_Photos; }
    quint64 mode() const { return modeBlend; }
    qint64 selectedIndex() const { return i_Selected_Photo_Index; }
    const QString &projectFile() const { return m_projectFile; }
    const ProjectOptions &options() const { return m_options; }
    // The selected photo when it is an overlay photo (index 1 or later), else null:
    // the one the panels tune.
    PhotoPtr tunablePhoto() const;
    // Changed since it was opened or saved (or, never saved, it holds photos).
    bool isModified() const;
    // The history, for the Edit menu's Undo and Redo.
    QUndoStack &undoStack() { return m_history; }
    const QUndoStack &undoStack() const { return m_history; }

    // List operations, one undo step each. Photos given are copied into the project.
    // Add: at the end of the list; the last row becomes the selected one.
    void addPhotos(const PhotoList &photos);
    // Remove: false, and nothing changed, for a row outside the list. Row 0 becomes the
    // selected one (none when the list is now empty).
    bool removeAt(qint64 row);
    // Swaps the photo in `row` with its neighbour `by` rows away (-1 up, +1 down); the
    // selected row stays. False, and nothing changed, when either row is outside the list.
    bool move(qint64 row, int by);
    // Puts a whole list in place of the one there (the selection kept where the row
    // still exists).
    void replaceList(const PhotoList &photos);

    // Photos being loaded: rows for the files, at the end of the list, each in the
    // loading state until its picture arrives. One undo step from the moment they are
    // added, like any add; the records returned are the photos' identities.
    PhotoList addLoadingPhotos(const QStringList &files);
    bool isLoading(const PhotoPtr &photo) const;
    // Some photo of the list is still loading: its picture would be missing.
    bool hasLoadingPhotos() const;
    // The picture of a loading photo arrived. Wherever the photo now is (in the list, or
    // in the history after a removal) it takes the picture; false when it is not loading.
    bool finishLoading(const PhotoPtr &photo, const QImage &image,
                       std::shared_ptr<const ReducedCopies> copies);
    // The file of a loading photo could not be read: the photo goes from the list and
    // from the whole history, as if it had never been added.
    void dropLoadingPhoto(const PhotoPtr &photo);

    // Starts a project afresh: its mode, its photos, its file and its settings, with an
    // empty history. `matchesFile`: the photos are those the file holds (else the project
    // starts modified, as when a photo of it was skipped). One notification.
    void reset(quint64 mode, const PhotoList &photos, const QString &projectFile,
               const ProjectOptions &options = {}, bool matchesFile = true);
    // The project was written to `path`: that is its file now, and its clean state.
    void markSaved(const QString &path);
    // Stores the project-wide settings; one undo step, except that the changes of one
    // gesture (the same non-zero `gesture`, a slider's drag) merge into one. Whether they
    // changed.
    bool setOptions(const ProjectOptions &options, quint64 gesture = 0);
    // Selects a row (-1 or a row outside the list: none). Not an undo step: a step
    // brings back the selection it had when it is undone or redone.
    void select(qint64 row);

    // Stores `value` in the field of the photo at `row` as the panels' write rule does;
    // one undo step, except that the writes of one gesture (the same non-zero `gesture`,
    // photo and field) merge into one. False, and nothing changed, for a row outside the
    // list or a value the field already holds.
    bool writeField(qint64 row, PhotoField field, double value, quint64 gesture = 0);
    // The panels' write rule: writes the tunable photo's field; false without one.
    bool writeSelectedField(PhotoField field, double value, quint64 gesture = 0);

    // The alignment of photos onto the background: the mappings found for them (an
    // empty one clears a photo's), stored in one undo step, "Align to Background" or,
    // when every one is cleared, "Clear Alignment". Photos not in the list are skipped;
    // false, and nothing changed, when no photo's alignment changes.
    struct AlignmentWrite {
        PhotoPtr photo;
        std::optional<PhotoAlignment> alignment;
    };
    bool setAlignments(const QList<AlignmentWrite> &writes);
    // Clears the alignment of the photo at `row`; false when it has none.
    bool clearAlignment(qint64 row);
    // Several fields of the photo at `row` written at once (a drag on the canvas moves,
    // scales or turns a photo): one undo step named `stepName`, and one notification.
    // The writes of one non-zero `gesture` on the same photo merge into one step; a
    // gesture that ends where it started leaves no step. False, and nothing changed,
    // for a row outside the list or values the fields already hold.
    struct FieldValue {
        PhotoField field;
        double value;
    };
    bool writeFields(qint64 row, const QList<FieldValue> &values, const QString &stepName,
                     quint64 gesture = 0);
    // Moves the photo in `from` to row `to` (a drag in the table), the rows between
    // shifting by one; one undo step named as Move Up or Move Down, and, as for those,
    // the selected row stays. A move by one row is exactly `move`. False, and nothing
    // changed, when either row is outside the list or they are the same.
    bool moveTo(qint64 from, qint64 to);
    // Gives `photo` (by identity, wherever it is in the list) the picture of another
    // file, keeping its settings; one undo step. False when it is not in the list.
    bool replacePhoto(const PhotoPtr &photo, const QString &file, const QImage &image,
                      std::shared_ptr<const ReducedCopies> copies);
    // The mask of the later photo at `row`, one undo step each ("Paint Mask", "Add
    // Gradient", "Invert Mask", "Clear Mask"). False, and nothing changed, for the
    // background, a row outside the list, a Linear project, a stroke without points or
    // one that would take the project past its strokes or points, or a mask already clear.
    bool addMaskStroke(qint64 row, const MaskStroke &stroke);
    bool addMaskGradient(qint64 row, const MaskGradient &gradient);
    bool invertMask(qint64 row);
    bool clearMask(qint64 row);
    // Whether the photo at `row` can have a mask in this project.
    bool canMask(qint64 row) const;

  signals:
    // What changed, as Change flags.
    void changed(int what);

  private:
    friend class ListStep;
    friend class OptionsStep;
    friend class AlignmentStep;
    friend class FieldsStep;
    friend class MaskStep;

    // The raw operations, which only the undo steps call.
    void applyList(const PhotoList &photos, qint64 row, bool fromHistory);
    void applyOptions(const ProjectOptions &options, qint64 row, bool fromHistory);
    void applyAlignment(const QList<AlignmentWrite> &writes, bool fromHistory);
    void applyFields(const PhotoPtr &photo, const QList<FieldValue> &values, bool fromHistory);
    void applyMask(const PhotoPtr &photo, const PhotoMask &mask, bool fromHistory);
    bool pushMaskStep(qint64 row, const PhotoMask &mask, const QString &name);
    int applySelection(qint64 row);
    void pushListStep(const QString &name, const PhotoList &after, qint64 rowAfter);
    static PhotoList copied(const PhotoList &photos);

    PhotoList array_Photos;
    quint64 modeBlend = Composite;
    qint64 i_Selected_Photo_Index = -1;
    QString m_projectFile;
    ProjectOptions m_options;
    QUndoStack m_history;
    std::vector<std::weak_ptr<const Object_Photo>> m_loading; // photos whose picture is awaited
};
