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

// A change of the project-wide settings, named after the one that changed; undo and redo
// bring back the row selected when it was made.
class OptionsStep : public ProjectStep {
  public:
    OptionsStep(PhotoProject &project, const ProjectOptions &before, const ProjectOptions &after, qint64 row,
                quint64 gesture);
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &) override {}

  private:
    PhotoProject &m_project;
    ProjectOptions m_before;
    ProjectOptions m_after;
    qint64 m_row;
    quint64 m_gesture;
    bool m_first = true;
};

// Alignments stored or cleared, for one photo or several at once: each photo's before
// and after.
class AlignmentStep : public ProjectStep {
  public:
    AlignmentStep(PhotoProject &project, const QString &name, QList<PhotoProject::AlignmentWrite> before,
                  QList<PhotoProject::AlignmentWrite> after);
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &photo) override;

  private:
    PhotoProject &m_project;
    QList<PhotoProject::AlignmentWrite> m_before;
    QList<PhotoProject::AlignmentWrite> m_after;
    bool m_first = true;
};

// Writes into fields of one photo: one field (a panel's control) or several at once (a
// drag on the canvas). The writes of one gesture on the same photo under the same name
// merge, each field keeping its value from before the first. Undo and redo select the
// photo's row, wherever it now is.
class FieldsStep : public ProjectStep {
  public:
    using Values = QList<PhotoProject::FieldValue>;
    FieldsStep(PhotoProject &project, PhotoPtr photo, const QString &name, Values before, Values after,
               quint64 gesture);
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand *other) override;
    void undo() override;
    void redo() override;
    void forget(const PhotoPtr &photo) override;

  private:
    PhotoProject &m_project;
    PhotoPtr m_photo;
    Values m_before;
    Values m_after;
    quint64 m_gesture;
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
