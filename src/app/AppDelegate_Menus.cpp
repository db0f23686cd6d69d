// Menu commands: each only forwards to the action it names.
#include "app/AppDelegate.h"

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
    Terminate_App();
}

void AppDelegate::openHelpPage(const QString &path)
{
    desktop().openUrl(QUrl(QString::fromLatin1(kSiteAddress) + path));
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
