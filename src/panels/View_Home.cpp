#include "panels/View_Home.h"

#include <QLabel>
#include <QVBoxLayout>

View_Home::View_Home(PhotoEditor &editor, QWidget *parent)
    : PanelBase(editor, "View_Home", tr("Welcome to Quillane"), parent)
{
    auto *text =
        new QLabel(tr("Choose a project type, then add your photos: the first photo is the background, "
                      "every later one is mixed over it. Select a later photo in the list to tune it here, "
                      "and watch the preview. Save writes the mixed picture as a PNG file."),
                   this);
    text->setWordWrap(true);
    body()->addWidget(text);
    body()->addStretch(1);
}
