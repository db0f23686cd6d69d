#pragma once

#include "model/Object_Photo.h"
#include "model/PhotoField.h"
#include "model/ProjectMode.h"
#include "model/ProjectOptions.h"

#include <QObject>
#include <QString>

// The project being edited: the photo list (array_Photos; the first photo is the
// background), the project type (modeBlend), the project-wide settings (options), the
// selected row (i_Selected_Photo_Index, -1 for none) and the file it was opened from or
// saved to.
// Every change to a project goes through these operations, and each announces itself
// with `changed`: the table, the canvas and the panels follow that one signal, and undo
// records and restores through the same operations.
class PhotoProject : public QObject {
    Q_OBJECT
  public:
    enum Change : int {
        ListChanged = 1,      // photos added, removed, moved or the list replaced
        FieldChanged = 2,     // a parameter of one photo
        ModeChanged = 4,      // the project type
        SelectionChanged = 8, // the selected row
        OptionsChanged = 16,  // the project-wide settings (blend space, full resolution)
        ProjectStarted = 32,  // a new or opened project took the place of the one before
    };

    explicit PhotoProject(QObject *parent = nullptr);

    const PhotoList &photos() const { return array_Photos; }
    quint64 mode() const { return modeBlend; }
    qint64 selectedIndex() const { return i_Selected_Photo_Index; }
    const QString &projectFile() const { return m_projectFile; }
    const ProjectOptions &options() const { return m_options; }
    // The selected photo when it is an overlay photo (index 1 or later), else null:
    // the one the panels tune.
    PhotoPtr tunablePhoto() const;

    // New photos (made with makePhoto under this mode) at the end of the list.
    void addPhotos(const PhotoList &photos);
    // False, and nothing changed, for a row outside the list.
    bool removeAt(qint64 row);
    // Swaps the photo in `row` with its neighbour `by` rows away (-1 up, +1 down);
    // false, and nothing changed, when either row is outside the list.
    bool move(qint64 row, int by);
    // Gives `photo` (one of this project's, added without a picture while its file
    // loads) its picture and the reduced copies made from it. False, and nothing
    // changed, when the photo is no longer in the list.
    bool setPicture(const PhotoPtr &photo, const QImage &image, std::shared_ptr<const ReducedCopies> copies);
    // Puts back a whole list (undo, opening a project, a new project).
    void replaceList(const PhotoList &photos);
    // Starts a project afresh: its mode, its photos, its file and its settings. One
    // notification.
    void reset(quint64 mode, const PhotoList &photos, const QString &projectFile,
               const ProjectOptions &options = {});
    void setMode(quint64 mode);
    // Stores the project-wide settings. Returns the settings before.
    ProjectOptions setOptions(const ProjectOptions &options);
    void setProjectFile(const QString &path) { m_projectFile = path; }
    void select(qint64 row);

    // Stores `value` in the field of `photo` (one of this project's) as the panels'
    // write rule does. Returns the value the field had before.
    double writeField(const PhotoPtr &photo, PhotoField field, double value);

  signals:
    // What changed, as Change flags.
    void changed(int what);

  private:
    PhotoList array_Photos;
    quint64 modeBlend = Composite;
    qint64 i_Selected_Photo_Index = -1;
    QString m_projectFile;
    ProjectOptions m_options;
};
