// Choosing the project type at start-up and for a new project.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/Window_New_Project.h"

void AppDelegate::showPanelOfMode()
{
    switch (m_project.mode()) {
    case LinearHorizontal:
    case LinearVertical:
        Set_Controls_View_to_Linear();
        break;
    case Composite:
        Set_Controls_View_to_Composition();
        break;
    case Shape:
        Set_Controls_View_to_Shape();
        break;
    case Transparent:
        Set_Controls_View_to_Transparent();
        break;
    case Fusion:
        Set_Controls_View_to_Fusion();
        break;
    default:
        break;
    }
}

// The mode the user chose, in `mode`, when the dialog closed with OK.
bool AppDelegate::runProjectTypeDialog(bool startup, quint64 &mode)
{
    Window_New_Project dialog(m_project.mode(), desktop(), startup, m_window.get());
    dialog.exec();
    mode = dialog.modeChosen;
    return dialog.bOK;
}

void AppDelegate::OnNewProjectStartup()
{
    quint64 mode = 0;
    if (!runProjectTypeDialog(true, mode))
        return;
    m_project.reset(mode, {}, QString());
    showPanelOfMode();
    syncPanelToSelection();
    scheduleOneShot(timer_Select_First_Image, timing().oneShotMs, &AppDelegate::TimerSelectFirstImageRoutine);
}

void AppDelegate::OnNewProject()
{
    if (!confirmUnsavedChanges())
        return;
    quint64 mode = 0;
    if (!runProjectTypeDialog(false, mode))
        return;
    stopAddingPhotos();
    m_project.reset(mode, {}, QString());
    showPanelOfMode();
    syncPanelToSelection();
    updateWindowTitle();
    scheduleOneShot(timer_Select_First_Image, timing().oneShotMs, &AppDelegate::TimerSelectFirstImageRoutine);
}

void AppDelegate::TimerSelectFirstImageRoutine()
{
    if (!addLaunchPhotos())
        OnAddPhoto();
}
