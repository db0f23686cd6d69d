#pragma once

#include <QWidget>

class AppDelegate;

// The preview canvas: every paint renders the whole mixed picture again from the
// project state and draws it fitted into the view.
class View_Image_Preview : public QWidget {
    Q_OBJECT
public:
    explicit View_Image_Preview(AppDelegate &delegate, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    AppDelegate &m_delegate;
};
