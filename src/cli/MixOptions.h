#pragma once

#include "cli/MixCommand.h"
#include "encode/PictureWriter.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// The options of one quillane-mix run, read from its arguments.

struct MixOptions {
    QStringList projectPaths; // "-" for standard input
    QString outputPath;       // "-" for standard output
    QString outputFolder;     // -O: one picture per project, named after it
    std::optional<PictureFormat> format;
    PictureOptions picture;
    QSize view;              // invalid without --view
    qint64 memoryBudget = 0; // 0: the default budget
    bool help = false;
    bool quiet = false;
    bool align = false;             // align the later photos to the background before mixing
    bool keepCameraDetails = false; // the first photo's camera, lens, exposure and date
};

// What became of a run or of one project of it.
struct MixOutcome {
    int status = kExitWritten;
    QString message; // empty on success
};

// Reads `arguments` into `options`: a wrong option, value or combination is a usage error
// (status 2) whose message ends by pointing at --help.
MixOutcome parseArguments(const QStringList &arguments, MixOptions &options);
