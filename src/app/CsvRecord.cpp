#include "app/CsvRecord.h"

#include <QFile>
#include <QTextStream>

void appendCsvRows(const QString &path, const char *header, const QList<QStringList> &rows)
{
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    if (file.size() == 0)
        out << header << '\n';
    for (const QStringList &row : rows)
        out << row.join(',') << '\n';
}
