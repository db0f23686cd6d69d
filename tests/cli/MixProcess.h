#pragma once

// quillane-mix run as a process, as the command-line tests run it.

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

struct MixRun {
    int status = -1; // the exit status; -1 when the process crashed
    QString out;
    QString err;
};

// Runs quillane-mix in `folder` with `arguments` and `input` on its standard input.
inline MixRun runMix(const QString &folder, const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    // The messages compared are the English ones, whatever the user's language.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LANGUAGE", "en");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral(QUILLANE_MIX_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000));
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}
