#include "output/Window_Share.h"

#include "output/Desktop.h"
#include "output/SharingServices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

Window_Share::Window_Share(const QImage &picture, Desktop &desktop, std::function<void()> onClose,
                           QWidget *parent)
    : QDialog(parent), m_picture(picture), m_desktop(desktop), m_onClose(std::move(onClose))
{
    setObjectName(QStringLiteral("Window_Share"));
    setWindowTitle(tr("Share the Picture"));
    setWindowModality(Qt::WindowModal);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Share the mixed picture, with a line of text if you like."), this));
    checkAddText = new QCheckBox(tr("&Add this text:"), this);
    checkAddText->setObjectName(QStringLiteral("checkAddText"));
    textText = new QLineEdit(this);
    textText->setObjectName(QStringLiteral("textText"));
    textText->setAccessibleName(tr("Text to share"));
    layout->addWidget(checkAddText);
    layout->addWidget(textText);

    auto *buttons = new QHBoxLayout;
    auto *close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    btnShare = new QPushButton(tr("&Share\u2026"), this);
    btnShare->setObjectName(QStringLiteral("btnShare"));
    btnShare->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(close);
    buttons->addWidget(btnShare);
    layout->addLayout(buttons);
    connect(btnShare, &QPushButton::clicked, this, &Window_Share::OnShare);
    connect(close, &QPushButton::clicked, this, &Window_Share::OnClose);
    // Text typed goes with the picture: typing ticks the box.
    connect(textText, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.isEmpty())
            checkAddText->setChecked(true);
    });
    resize(420, sizeHint().height());
}

QVariantList Window_Share::shareItems() const
{
    QVariantList items;
    if (checkAddText->isChecked())
        items << QVariant(textText->text());
    items << QVariant(m_picture);
    return items;
}

void Window_Share::OnShare()
{
    const QVariantList items = shareItems();
    const QStringList services = sharingServiceNames(m_desktop);
    const int chosen = m_desktop.runMenu(btnShare, services);
    const QString name = chosen >= 0 ? services.at(chosen) : QStringLiteral("(null)");
    qInfo().noquote() << QStringLiteral("Picked this service: %1").arg(name);
    if (chosen < 0)
        return;
    const QString failed = performSharingService(m_desktop, services.at(chosen), items);
    if (!failed.isEmpty())
        m_desktop.runAlert(this, {tr("The picture could not be shared"), failed, {tr("Close")}});
}

Window_Share::~Window_Share()
{
    removeSharedCopies();
}

void Window_Share::OnClose()
{
    if (m_onClose)
        m_onClose();
}

void Window_Share::reject()
{
    OnClose();
}
