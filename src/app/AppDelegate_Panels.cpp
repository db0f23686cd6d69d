// Switching the controls panel: the container shows exactly one panel; each panel is
// created the first time it is shown and then kept, with its control states.
#include "app/AppDelegate.h"

#include "panels/View_Composition.h"
#include "panels/View_Fusion.h"
#include "panels/View_Home.h"
#include "panels/View_Linear.h"
#include "panels/View_Shape.h"
#include "panels/View_Transparent.h"

#include <QLayout>

template <typename Panel> void AppDelegate::showPanel(QPointer<Panel> &slot)
{
    if (!view_Controls)
        return;
    // Take the list once, then move everything the container holds out of it.
    const QList<QWidget *> shown = view_Controls->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (QWidget *child : shown) {
        view_Controls->layout()->removeWidget(child);
        child->hide();
        child->setParent(m_panelStore.get());
    }
    if (!slot)
        slot = new Panel(*this, m_panelStore.get());
    slot->setParent(view_Controls);
    view_Controls->layout()->addWidget(slot);
    slot->show();
}

void AppDelegate::Set_Controls_View_to_Home()
{
    showPanel(customview_Controls_Home);
}
void AppDelegate::Set_Controls_View_to_Composition()
{
    showPanel(customview_Controls_Composition);
}
void AppDelegate::Set_Controls_View_to_Shape()
{
    showPanel(customview_Controls_Shape);
}
void AppDelegate::Set_Controls_View_to_Linear()
{
    showPanel(customview_Controls_Linear);
}
void AppDelegate::Set_Controls_View_to_Transparent()
{
    showPanel(customview_Controls_Transparent);
}
void AppDelegate::Set_Controls_View_to_Fusion()
{
    showPanel(customview_Controls_Fusion);
}
