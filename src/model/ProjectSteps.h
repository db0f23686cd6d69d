#pragma once

// The undo steps of a PhotoProject. Only the project makes them and only it includes
// this file: a step acts on its document alone, through the document's raw operations.
#include "model/PhotoProject.h"

#include <QUndoCommand>

// What every step of a project's history can do besides undo and redo: let go of a
// photo that turned out never to have been one (its file could not be read).
class ProjectStep : public QUndoCommand {
  public:
    using QUndoCommand::QUndoCommand;
    virtual void forget(const PhotoPtr &photo) = 0;
};

// A change of the list: the list and the selected row before and after it.
class ListStep : public ProjectStep {
  public:
    ListStep(PhotoProject &project, const QString &name, PhotoList before, qint64 rowBefore, PhotoList after,
             qint64 rowAfter);
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &photo) override;

  private:
    PhotoProject &m_project;
    PhotoList m_before;
    qint64 m_rowBefore;
    PhotoList m_after;
    qint64 m_rowAfter;
    bool m_first = true; // the first redo is the operation itself
};

// A write into one field of one photo; the writes of one gesture merge. Undo and redo
// select the photo's row, wherever it now is.
class FieldStep : public ProjectStep {
  public:
    FieldStep(PhotoProject &project, PhotoPtr photo, PhotoField field, double before, double after,
              quint64 gesture);
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &photo) override;

  private:
    PhotoProject &m_project;
    PhotoPtr m_photo;
    PhotoField m_field;
    double m_before;
    double m_after;
    quint64 m_gesture;
    bool m_first = true;
};

// A change of the project-wide settings, named after the one that changed; undo and redo
// bring back the row selected when it was made.
class OptionsStep : public ProjectStep {
  public:
    OptionsStep(PhotoProject &project, const ProjectOptions &before, const ProjectOptions &after, qint64 row);
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &) override {}

  private:
    PhotoProject &m_project;
    ProjectOptions m_before;
    ProjectOptions m_after;
    qint64 m_row;
    bool m_first = true;
};

// A change of one photo's mask: the whole mask before and after it (its lists are shared,
// so a step costs little). Undo and redo select the photo's row.
class MaskStep : public ProjectStep {
  public:
    MaskStep(PhotoProject &project, PhotoPtr photo, PhotoMask before, PhotoMask after, const QString &name);
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &photo) override;

  private:
    PhotoProject &m_project;
    PhotoPtr m_photo;
    PhotoMask m_before;
    PhotoMask m_after;
    bool m_first = true;
};
