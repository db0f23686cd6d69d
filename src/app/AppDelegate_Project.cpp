// Choosing the project type at start-up and for a new project.
#include "app/AppDelegate.h"

#include "app/MainWindow.h"
#include "app/Window_New_Project.h"

#include <QUndoStack>

void AppDelegate::showPanelOfMode()
{
    switch (modeBlend) {
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
    default:
        break;
    }
}

bool AppDelegate::runProjectTypeDialog(bool startup)
{
    Window_New_Project dialog(*this, startup, m_window.get());
    dialog.exec();
    return dialog.bOK;
}

void AppDelegate::OnNewProjectStartup()
{
    if (!runProjectTypeDialog(true))
        return;
    showPanelOfMode();
    scheduleOneShot(timer_Select_First_Image, timing().oneShotMs, &AppDelegate::TimerSelectFirstImageRoutine);
}

void AppDelegate::OnNewProject()
{
    if (!runProjectTypeDialog(false))
        return;
    showPanelOfMode();
    s_Project_File.clear();
    projectOptions = Project_Options();
    undoStack().clear();
    array_Photos.clear();
    refreshTablePhotos();
    markPreviewForRedraw();
    scheduleOneShot(timer_Select_First_Image, timing().oneShotMs, &AppDelegate::TimerSelectFirstImageRoutine);
}

void AppDelegate::TimerSelectFirstImageRoutine()
{
    if (!addLaunchPhotos())
        OnAddPhoto();
}
