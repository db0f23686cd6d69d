// Fuzz entry for the project reader: any bytes either parse into a project whose photo
// records and file paths agree, or are refused with a reason and no photos.
#include "model/ProjectFile.h"

#include <QDir>

#include <cstdint>
#include <cstdlib>

namespace {

bool parsedCleanly(const ProjectParse &parse)
{
    const Project &project = parse.project;
    if (project.photos.isEmpty() || project.mode >= quint64(projectModeNames().size()))
        return false;
    for (const auto &photo : project.photos)
        if (!QDir::isAbsolutePath(photo->sFile))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray json = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const ProjectParse parse = parseProject(json, QStringLiteral("/projects"));
    const bool refusedCleanly = !parse.error.isEmpty() && parse.project.photos.isEmpty();
    if (parse.ok() ? !parsedCleanly(parse) : !refusedCleanly)
        std::abort();
    return 0;
}
