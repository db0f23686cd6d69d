#pragma once

#include <QStringList>

// Appends the lines of comma-separated values `rows` to the file `path`, after `header`
// (the columns' names) when the file is new or empty: the recordings and logs the
// environment variables turn on. A file that cannot be opened gets nothing.
void appendCsvRows(const QString &path, const char *header, const QList<QStringList> &rows);
