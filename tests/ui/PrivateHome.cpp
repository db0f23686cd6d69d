// Linked into every UI test: before main runs, the process gets a home folder of its
// own (and Qt's test locations), so that nothing a test does - Qt's file dialog state,
// the application's settings, pictures folders - lands in the real home folder. The
// folder is removed when the process ends; child processes inherit it.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

struct PrivateHome {
    QTemporaryDir folder{QDir::tempPath() + QStringLiteral("/quillane-ui-home-XXXXXX")};

    PrivateHome()
    {
        if (!folder.isValid())
            qFatal("no temporary home folder for the UI tests: %s", qPrintable(folder.errorString()));
        const QByteArray home = QFile::encodeName(folder.path());
        qputenv("HOME", home);
        qputenv("XDG_CONFIG_HOME", home + "/.config");
        qputenv("XDG_DATA_HOME", home + "/.local/share");
        qputenv("XDG_CACHE_HOME", home + "/.cache");
        qputenv("XDG_STATE_HOME", home + "/.local/state");
        QStandardPaths::setTestModeEnabled(true);
    }
};

const PrivateHome privateHome;

} // namespace
