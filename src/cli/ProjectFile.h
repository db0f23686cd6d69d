#pragma once

#include "model/Object_Photo.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The project file of the command-line renderer:
//   {"mode": "composite", "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "blend": 16}]}
// Parsing yields photo records without pictures (the mode's defaults, then the keys
// given) and the path of each photo's file; loading the pictures is the caller's part.

struct Project {
    quint64 mode = 0;
    PhotoList photos;  // sName holds the file name as written in the project
    QStringList files; // one absolute path per photo
};

struct ProjectParse {
    Project project;
    QString error; // one line naming the key or photo and the reason; empty on success
    bool ok() const { return error.isEmpty(); }
};

// `baseFolder` resolves relative file paths (the project file's folder, or the current
// folder for a project read from standard input).
ProjectParse Parse_Project(const QByteArray &json, const QString &baseFolder);

// The mode names of the project file, in ProjectMode order.
QStringList Project_Mode_Names();
