// The latency log's bookkeeping: which drag events a painted frame covers, with the
// times of their pass, their frame and the paint, and what is written to the file.
#include "app/LatencyLog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class LatencyLogTest : public QObject {
    Q_OBJECT
  private slots:
    void coveredEvents_data();
    void coveredEvents();
};

// Each letter of `steps` happens one millisecond after the one before (the first at 1):
// e an event that asks for a pass, n one that asks for none, r a draft pass takes its
// snapshot, R a sharp one, f the pass's frame comes, p a paint. `lines` are those the
// paints give, as event:request:frame:paint:d (draft) or s (sharp).
void LatencyLogTest::coveredEvents_data()
{
    QTest::addColumn<bool>("on");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("one event, its frame painted") << true << "erfp" << QStringList{"1:2:3:4:d"};
    QTest::newRow("a paint before the frame logs nothing") << true << "erpfp" << QStringList{"1:2:4:5:d"};
    QTest::newRow("an event during a pass waits for the next pass")
        << true << "erefprfp" << QStringList{"1:2:4:5:d", "3:6:7:8:d"};
    QTest::newRow("superseded events go with the pass that takes them")
        << true << "eeerfp" << QStringList{"1:4:5:6:d", "2:4:5:6:d", "3:4:5:6:d"};
    QTest::newRow("an event that asked for nothing is left out")
        << true << "nrfpnerfp" << QStringList{"6:7:8:9:d"};
    QTest::newRow("two frames before a paint: both painted, as the latest")
        << true << "erfeRfp" << QStringList{"1:2:3:7:s", "4:5:6:7:s"};
    QTest::newRow("a pass no event asked for covers none") << true << "rfperfpp" << QStringList{"4:5:6:7:d"};
    QTest::newRow("a sharp pass after the drag") << true << "eRfp" << QStringList{"1:2:3:4:s"};
    QTest::newRow("off: nothing") << false << "erfp" << QStringList{};
}

void LatencyLogTest::coveredEvents()
{
    QFETCH(bool, on);
    QFETCH(QString, steps);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = on ? folder.filePath("latency.csv") : QString();
    double now = 0;
    LatencyLog log(path, [&now] { return now; });
    QStringList got, written;
    for (const QChar step : steps) {
        ++now;
        if (step == 'e' || step == 'n')
            log.arrived("mask");
        if (step == 'e')
            log.asked();
        if (step == 'r' || step == 'R')
            log.requested(step == 'r');
        if (step == 'f')
            log.framed();
        if (step != 'p')
            continue;
        for (const LatencyLog::Line &line : log.painted()) {
            got << QStringLiteral("%1:%2:%3:%4:%5")
                       .arg(line.event)
                       .arg(line.request)
                       .arg(line.frame)
                       .arg(line.paint)
                       .arg(line.draft ? "d" : "s");
            written << line.cells().join(',');
        }
    }
    QCOMPARE(got, lines);
    QFile file(path);
    if (lines.isEmpty()) {
        QVERIFY(!file.exists());
        return;
    }
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts),
             QStringList{LatencyLog::kHeader} + written);
}

QTEST_MAIN(LatencyLogTest)
#include "tst_latency_log.moc"
