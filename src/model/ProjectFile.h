#pragma once

#include "model/Object_Photo.h"
#include "model/ProjectOptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The project file, read by the command-line renderer and read and written by the
// application:
//   {"version": 1, "mode": "composite",
//    "photos": [{"file": "a.jpg"}, {"file": "b.jpg", "blend": 16, "opacity": 50}]}
// Project-wide keys, all optional: "blendSpace" ("linear", the default, or "srgb"),
// for Linear projects "fullResolution" (false by default) and for Exposure fusion
// projects "fusion": {"contrast": c, "saturation": s, "exposure": e} (0 to 2 in steps
// of 0.1, each 1 by default). A photo of a Composite or fusion project may carry its
// "alignment": nine numbers (PhotoAlignment.h).
// Parsing yields photo records without pictures (the mode's defaults, then the keys
// given) and the path of each photo's file; loading the pictures is the caller's part.
// A file without "version" is read as version 1.

inline constexpr int kProjectFormatVersion = 1;

struct Project {
    quint64 mode = 0;
    NewPhotoList photos; // sName holds the file name as written in the project, sFile its absolute path
    ProjectOptions options;
};

enum class ProjectError {
    None,
    NotAProject,  // not JSON, not an object, or no "mode"
    NewerVersion, // written by a later version of the format
    Invalid,      // a project, but a key or value is wrong
};

struct ProjectParse {
    Project project;
    QString error; // one line naming the key or photo and the reason; empty on success
    ProjectError kind = ProjectError::None;
    bool ok() const { return error.isEmpty(); }
};

// `baseFolder` resolves relative file paths (the project file's folder, or the current
// folder for a project read from standard input).
ProjectParse parseProject(const QByteArray &json, const QString &baseFolder);

// The project as JSON: the mode, then every photo in order with its file (relative to
// `projectFolder`) and the parameters of the mode. Every photo needs its sFile.
QByteArray projectJson(quint64 mode, const PhotoList &photos, const QString &projectFolder,
                       const ProjectOptions &options = {});

// Writes the project atomically (a temporary file renamed over `path` once complete):
// either the whole new file is there or the old one is untouched. Returns why it
// could not, or an empty string.
QString writeProject(const QString &path, quint64 mode, const PhotoList &photos,
                     const ProjectOptions &options = {});

// Whether a path names a project file by its extension (".quillane", or ".json" as
// earlier versions wrote them; in any case).
bool isProjectFileName(const QString &path);
// The extensions of project files, the one new projects get first.
QStringList projectFileExtensions();

// The mode names of the project file, in ProjectMode order.
QStringList projectModeNames();
