#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVariantList>

#include <functional>

class Desktop;

// The share sheet: a text that may go with the picture, its check box, and the share
// button that opens the menu of sharing services. Created anew for each share with the
// picture to share, and shown window-modal on the main window; closing it calls
// `onClose`, which releases it.
class Window_Share : public QDialog {
    Q_OBJECT
  public:
    Window_Share(const QImage &picture, Desktop &desktop, std::function<void()> onClose, QWidget *parent);
    // The temporary copies handed to sharing services go with the sheet.
    ~Window_Share() override;

    QPointer<QPushButton> btnShare;
    QPointer<QLineEdit> textText;
    QPointer<QCheckBox> checkAddText;

    // The items to share, in order: the text when the box is on (even empty), then the
    // picture.
    QVariantList shareItems() const;

    void OnShare();
    void OnClose();

    // Escape and the title bar's close button close the sheet as OnClose does.
    void reject() override;

  private:
    QImage m_picture;
    Desktop &m_desktop;
    std::function<void()> m_onClose;
};
