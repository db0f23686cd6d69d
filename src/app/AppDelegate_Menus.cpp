// Menu commands: each only forwards to the action it names.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/Preferences.h"
#include "app/ShortcutList.h"

#include <QCoreApplication>
#include <QUrl>

void AppDelegate::OnMenuFileNewProject()
{
    OnNewProject();
}
void AppDelegate::OnMenuFileOpenProject()
{
    OnOpenProject();
}
void AppDelegate::OnMenuFileSaveProject()
{
    OnSaveProject();
}
void AppDelegate::OnMenuQuit()
{
    if (confirmUnsavedChanges())
        Terminate_App();
}

void AppDelegate::openHelpPage(const QString &path)
{
    const QUrl page(QString::fromLatin1(kSiteAddress) + path);
    if (!desktop().openUrl(page))
        desktop().runAlert(window(), {tr("The page could not be opened"),
                                      tr("No web browser could open %1.").arg(page.toString()),
                                      {tr("Close")}});
}

void AppDelegate::OnMenuHelpAppHomePage()
{
    openHelpPage("/mac-Quillane/");
}
void AppDelegate::OnMenuHelpCompanyHomePage()
{
    openHelpPage("/");
}
void AppDelegate::OnMenuHelpPrivacyPolicy()
{
    openHelpPage("/privacypolicy.htm");
}
void AppDelegate::OnMenuHelpSubmitTicket()
{
    openHelpPage("/support/submit-ticket.asp");
}

void AppDelegate::OnMenuActionAddPhoto()
{
    OnAddPhoto();
}
void AppDelegate::OnMenuActionRemovePhoto()
{
    OnRemovePhoto();
}
void AppDelegate::OnMenuActionMoveUp()
{
    OnMovePhotoUp();
}
void AppDelegate::OnMenuActionMoveDown()
{
    OnMovePhotoDown();
}

// Help › About Quillane: the version, the licence and the credits.
void AppDelegate::OnMenuHelpAbout()
{
    const QString version = QCoreApplication::applicationVersion();
    const QString text =
        tr("Version %1\n\nMixes several photos into one picture.\n\nLicence: %2\n\nCredits: the "
           "Quillane developers. Built with Qt %3, ISA-L and zlib.\n\n%4")
            .arg(version.isEmpty() ? tr("unknown") : version, QString::fromLatin1(kProjectLicence),
                 QString::fromLatin1(qVersion()), QString::fromLatin1(kSiteAddress));
    desktop().runAlert(window(), {tr("About Quillane"), text, {tr("Close")}, false});
}

// Help › Keyboard Shortcuts: one list window, raised again when it is open.
void AppDelegate::OnMenuHelpKeyboardShortcuts()
{
    if (auto *open = window()->findChild<ShortcutListDialog *>()) {
        open->raise();
        open->activateWindow();
        return;
    }
    auto *list = new ShortcutListDialog(windowShortcuts(window()), window());
    list->setObjectName("windowShortcuts");
    list->setAttribute(Qt::WA_DeleteOnClose);
    list->show();
}

void AppDelegate::OnMenuEditPreferences()
{
    PreferencesDialog dialog(m_preferences, defaultOutputFolder(), desktop(), window());
    if (dialog.exec() == QDialog::Accepted)
        setPreferences(dialog.chosen());
}

// Kept at once; a new output folder takes the next capture.
void AppDelegate::setPreferences(const Preferences &preferences)
{
    m_preferences = preferences;
    m_preferences.save();
    capture.s_Output_Folder = preferredOutputFolder();
    createOutputFolder();
}
