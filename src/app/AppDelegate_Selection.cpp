// The selection and the panel: the document's selected row decides which photo the
// panel shows and edits; every panel action writes through setPhotoField.
#include "app/AppDelegate.h"

#include "app/GestureCounter.h"
#include "panels/View_Composition.h"
#include "panels/View_Fusion.h"
#include "panels/View_Linear.h"
#include "panels/View_Shape.h"
#include "panels/View_Transparent.h"

#include <QScopedValueRollback>

// The user chose a row (or none) in the table: that is the document's selection now.
void AppDelegate::tableViewSelectionDidChange()
{
    m_project.select(selectedTableRow());
}

PanelBase *AppDelegate::panelOfMode() const
{
    switch (m_project.mode()) {
    case LinearHorizontal:
    case LinearVertical:
        return customview_Controls_Linear;
    case Composite:
        return customview_Controls_Composition;
    case Shape:
        return customview_Controls_Shape;
    case Transparent:
        return customview_Controls_Transparent;
    case Fusion:
        return customview_Controls_Fusion;
    default:
        return nullptr;
    }
}

PhotoPtr AppDelegate::tunablePhoto() const
{
    return m_project.tunablePhoto();
}

// Enables the panel's controls only for an overlay photo and loads that photo's values;
// the background and an empty selection leave the controls disabled with the values
// they showed. Writes nothing and redraws nothing; a panel never shown is skipped.
void AppDelegate::syncPanelToSelection()
{
    PanelBase *panel = panelOfMode();
    if (!panel)
        return;
    const PhotoPtr photo = tunablePhoto();
    panel->enableControls(photo.get());
    if (photo)
        panel->loadControls(*photo);
}

bool AppDelegate::setPhotoField(PhotoField field, double value)
{
    const QScopedValueRollback<bool> panelWrites(m_panelWriting, true); // the panel shows what it wrote
    return m_project.writeSelectedField(field, value, m_gestures->current());
}

bool AppDelegate::setProjectOptions(const ProjectOptions &options)
{
    return m_project.setOptions(options, m_gestures->current());
}

quint64 AppDelegate::currentGesture() const
{
    return m_gestures->current();
}
