#pragma once

#include "imaging/PhotoLoadRunner.h"
#include "model/Object_Photo.h"

#include <QList>
#include <QMap>
#include <QObject>
#include <QStringList>

class PhotoProject;

// Adds photo files to the project without making the window wait. A batch's rows
// appear at once, in the order given, each a photo without a picture (the table shows a
// placeholder); the files decode side by side on workers, and each picture takes its
// own row's place as it arrives, whatever order decoding finishes in. Once all have
// arrived, the rows of refused files go and `batchFinished` lists the refusals. A batch
// given while another loads waits its turn.
class PhotoAdder : public QObject {
    Q_OBJECT
  public:
    explicit PhotoAdder(PhotoProject &project, QObject *parent = nullptr);

    void add(const QStringList &paths);
    // Drops the batch loading and those waiting (the project was replaced or closes).
    void cancel();
    bool isLoading() const { return !m_loading.isEmpty(); }

  signals:
    // Emitted just before the batch's rows are added, then after its refused rows went
    // (`added` photos stayed; `refusals` holds one sentence per refused file, in order).
    void batchStarting();
    void batchFinished(int added, const QStringList &refusals);
    // Photos of the batch decoded so far out of its size.
    void progress(int loaded, int total);

  private:
    void startNext();
    void arrive(int index, const LoadedPhoto &loaded);
    void finish();

    PhotoProject &m_project;
    PhotoLoadRunner m_runner;
    QList<QStringList> m_waiting;
    PhotoList m_loading;           // the batch's rows, in the batch's order
    QMap<int, QString> m_refusals; // by place in the batch
    int m_arrived = 0;
};
