#pragma once

#include <QWidget>

class QVBoxLayout;

// Common frame of the controls panels: a title line and a body layout.
class PanelBase : public QWidget {
    Q_OBJECT
public:
    PanelBase(const QString &objectName, const QString &title, QWidget *parent);

protected:
    QVBoxLayout *body() const { return m_body; }

private:
    QVBoxLayout *m_body = nullptr;
};
