#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVariantList>

class AppDelegate;

// The share sheet: a text that may go with the picture, its check box, and the share
// button that opens the menu of sharing services. Created anew for each share and shown
// window-modal on the main window; the application releases it on close.
class Window_Share : public QDialog {
    Q_OBJECT
  public:
    Window_Share(AppDelegate &delegate, QWidget *parent);

    QPointer<QPushButton> btnShare;
    QPointer<QLineEdit> textText;
    QPointer<QCheckBox> checkAddText;

    // The items to share, in order: the text when the box is on (even empty), then the
    // picture captured last.
    QVariantList shareItems() const;

    void OnShare();
    void OnClose();

    // Escape and the title bar's close button close the sheet as OnClose does.
    void reject() override;

  private:
    AppDelegate &m_delegate;
};
