#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QStringList>

#include <functional>

// How long a tool's drag takes to reach the screen. With QUILLANE_LATENCY_LOG naming a
// file, the canvas notes when each drag event arrived, when a pass took its snapshot,
// when its frame came back and when that frame was painted; a painted frame whose pass
// started at or after an event (so it shows the state after it) covers the event, and
// the event's line is appended to the file. An event a later one superseded before any
// pass took it is covered by the later event's frame: that is what the user saw. An
// event that asked for no pass (nothing the picture shows changed) is not logged.
// Unset, every call returns at once.
class LatencyLog {
  public:
    // One event covered by a painted frame; times in milliseconds on the log's clock.
    struct Line {
        double event = 0, request = 0, frame = 0, paint = 0;
        QString tool; // "mask" or "place"
        bool draft = false;
        double latency() const { return paint - event; }
        QStringList cells() const; // as the file has them
    };
    static constexpr const char *kHeader = "event_ms,request_ms,frame_ms,paint_ms,latency_ms,tool,draft";

    // Off unless `path` names a file; `clock` (milliseconds) is a monotonic clock started
    // with the log unless given.
    explicit LatencyLog(QString path, std::function<double()> clock = {});
    // The file QUILLANE_LATENCY_LOG names (read once), or empty.
    static QString pathFromEnvironment();
    bool isOn() const { return !m_path.isEmpty(); }

    // A drag event of `tool` arrived; it counts once the canvas asks for a pass.
    void arrived(const QString &tool);
    void asked();
    // A pass took its snapshot of the state (a draft: at the drag's lower pixel ratio).
    void requested(bool draft);
    // That pass's frame came back.
    void framed();
    // The latest frame was painted: the lines of the events it covers, also appended to
    // the file.
    QList<Line> painted();

  private:
    struct Event {
        double at = 0, request = 0, frame = 0;
        QString tool;
        bool draft = false;
    };
    double now() const { return m_clock ? m_clock() : m_timer.nsecsElapsed() / 1e6; }

    QString m_path;
    std::function<double()> m_clock;
    QElapsedTimer m_timer;
    bool m_arriving = false; // m_next holds an event that has not asked for a pass yet
    Event m_next;
    QList<Event> m_waiting; // asked for a pass, no pass taken yet
    QList<Event> m_inPass;  // taken by the pass running
    QList<Event> m_inFrame; // in a frame that came, not painted yet
};
