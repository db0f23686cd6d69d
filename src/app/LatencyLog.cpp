#include "app/LatencyLog.h"

#include "app/CsvRecord.h"

#include <utility>

QStringList LatencyLog::Line::cells() const
{
    QStringList cells;
    for (const double ms : {event, request, frame, paint, latency()})
        cells << QString::number(ms, 'f', 1);
    return cells << tool << (draft ? QStringLiteral("draft") : QStringLiteral("sharp"));
}

LatencyLog::LatencyLog(QString path, std::function<double()> clock)
    : m_path(std::move(path)), m_clock(std::move(clock))
{
    m_timer.start();
}

QString LatencyLog::pathFromEnvironment()
{
    static const QString path = qEnvironmentVariable("QUILLANE_LATENCY_LOG");
    return path;
}

void LatencyLog::arrived(const QString &tool)
{
    if (!isOn())
        return;
    m_next = {now(), 0, 0, tool, false};
    m_arriving = true;
}

void LatencyLog::asked()
{
    if (!m_arriving)
        return;
    m_waiting.append(m_next);
    m_arriving = false;
}

void LatencyLog::requested(bool draft)
{
    if (m_waiting.isEmpty())
        return;
    const double at = now();
    for (Event &event : m_waiting) {
        event.request = at;
        event.draft = draft;
    }
    m_inPass.append(m_waiting);
    m_waiting.clear();
}

void LatencyLog::framed()
{
    if (m_inPass.isEmpty())
        return;
    const double at = now();
    for (Event &event : m_inPass)
        event.frame = at;
    m_inFrame.append(m_inPass);
    m_inPass.clear();
}

QList<LatencyLog::Line> LatencyLog::painted()
{
    if (m_inFrame.isEmpty())
        return {};
    const double at = now();
    // The frame painted is the latest: an earlier frame not painted yet shows through it.
    const bool draft = m_inFrame.last().draft;
    QList<Line> lines;
    QList<QStringList> rows;
    for (const Event &event : std::as_const(m_inFrame)) {
        lines.append({event.at, event.request, event.frame, at, event.tool, draft});
        rows.append(lines.last().cells());
    }
    m_inFrame.clear();
    appendCsvRows(m_path, kHeader, rows);
    return lines;
}
