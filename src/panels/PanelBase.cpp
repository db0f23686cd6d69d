#include "panels/PanelBase.h"

#include <QLabel>
#include <QVBoxLayout>

PanelBase::PanelBase(const QString &objectName, const QString &title, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    m_body = new QVBoxLayout(this);
    auto *heading = new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this);
    m_body->addWidget(heading);
}
