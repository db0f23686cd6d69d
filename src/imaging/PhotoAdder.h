#pragma once

#include "imaging/PhotoLoadRunner.h"
#include "model/Object_Photo.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

#include <vector>

class PhotoProject;

// Adds photo files to the project without making the window wait. A batch's rows go
// into the project at once, in the order given, as photos in the loading state (one
// undo step, like any add); the files decode side by side on workers, and each picture
// goes to its own photo by identity, wherever that photo now is, or is dropped when the
// photo is gone for good. A refused file's photo leaves the project; once the batch has
// arrived, `batchFinished` lists the refusals. A batch given while another loads waits
// its turn to decode (its rows are in the project already).
class PhotoAdder : public QObject {
    Q_OBJECT
  public:
    explicit PhotoAdder(PhotoProject &project, QObject *parent = nullptr);

    void add(const QStringList &paths);
    // Drops the batch loading and those waiting (the project was replaced or closes).
    void cancel();
    bool isLoading() const { return !m_loading.empty(); }

  signals:
    // Once a batch has arrived (`added` photos stayed; `refusals` holds one sentence per
    // refused file, in order).
    void batchFinished(int added, const QStringList &refusals);
    // Photos of the batch decoded so far out of its size.
    void progress(int loaded, int total);

  private:
    struct Batch {
        QStringList paths;
        std::vector<std::weak_ptr<const Object_Photo>> photos;
    };
    void startNext();
    void arrive(int index, const LoadedPhoto &loaded);
    void finish();

    PhotoProject &m_project;
    PhotoLoadRunner m_runner;
    QList<Batch> m_waiting;
    std::vector<std::weak_ptr<const Object_Photo>> m_loading; // the batch's photos, in its order
    QMap<int, QString> m_refusals;                            // by place in the batch
    int m_arrived = 0;
};
