#include "app/Preferences.h"

#include "app/AppDelegate.h"
#include "output/Desktop.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>

namespace {

constexpr const char *kOutputFolderKey = "preferences/outputFolder";
constexpr const char *kJpegQualityKey = "preferences/jpegQuality";
constexpr const char *kWebpQualityKey = "preferences/webpQuality";
constexpr const char *kWebpLosslessKey = "preferences/webpLossless";
constexpr const char *kKeepCameraDetailsKey = "preferences/keepCameraDetails";

int quality(const QSettings &settings, const char *key, int fallback)
{
    return std::clamp(settings.value(key, fallback).toInt(), 1, 100);
}

QSpinBox *qualityBox(QWidget *parent, int value, const QString &name)
{
    auto *box = new QSpinBox(parent);
    box->setRange(1, 100);
    box->setValue(value);
    box->setAccessibleName(name);
    return box;
}

} // namespace

Preferences Preferences::load()
{
    const QSettings settings(kSettingsName, kSettingsName);
    Preferences kept;
    kept.outputFolder = settings.value(kOutputFolderKey).toString();
    kept.jpegQuality = quality(settings, kJpegQualityKey, kDefaultJpegQuality);
    kept.webpQuality = quality(settings, kWebpQualityKey, kDefaultWebpQuality);
    kept.webpLossless = settings.value(kWebpLosslessKey, false).toBool();
    kept.keepCameraDetails = settings.value(kKeepCameraDetailsKey, false).toBool();
    return kept;
}

void Preferences::save() const
{
    QSettings settings(kSettingsName, kSettingsName);
    settings.setValue(kOutputFolderKey, outputFolder);
    settings.setValue(kJpegQualityKey, jpegQuality);
    settings.setValue(kWebpQualityKey, webpQuality);
    settings.setValue(kWebpLosslessKey, webpLossless);
    settings.setValue(kKeepCameraDetailsKey, keepCameraDetails);
}

PictureOptions Preferences::pictureOptions(const QString &path) const
{
    const std::optional<PictureFormat> format = pictureFormatOf(path);
    PictureOptions options;
    if (format == PictureFormat::Jpeg)
        options.quality = jpegQuality;
    if (format == PictureFormat::Webp) {
        options.quality = webpQuality;
        options.lossless = webpLossless;
    }
    return options;
}

PreferencesDialog::PreferencesDialog(const Preferences &preferences, const QString &defaultFolder,
                                     Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_desktop(desktop), m_defaultFolder(defaultFolder)
{
    setWindowTitle(tr("Preferences"));
    setObjectName("windowPreferences");
    m_jpegQuality = qualityBox(this, preferences.jpegQuality, tr("JPEG quality"));
    m_webpQuality = qualityBox(this, preferences.webpQuality, tr("WebP quality"));
    m_webpLossless = new QCheckBox(tr("WebP &lossless"), this);
    m_webpLossless->setChecked(preferences.webpLossless);
    connect(m_webpLossless, &QCheckBox::toggled, m_webpQuality, &QWidget::setDisabled);
    m_webpQuality->setDisabled(preferences.webpLossless);
    m_keepDetails = new QCheckBox(tr("&Keep camera details in saved pictures"), this);
    m_keepDetails->setChecked(preferences.keepCameraDetails);
    m_keepDetails->setToolTip(tr("The background photo's camera, lens, exposure and date go into JPEG, WebP, "
                                 "TIFF and PNG pictures; never its location."));
    auto *form = new QFormLayout;
    auto *folderLabel = new QLabel(tr("&Output folder:"), this);
    form->addRow(folderLabel, folderRow(preferences.outputFolder));
    folderLabel->setBuddy(m_folder);
    form->addRow(tr("&JPEG quality:"), m_jpegQuality);
    form->addRow(tr("&WebP quality:"), m_webpQuality);
    form->addRow(QString(), m_webpLossless);
    form->addRow(QString(), m_keepDetails);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

// The folder's field, its default shown greyed while it is empty, and Choose….
QLayout *PreferencesDialog::folderRow(const QString &folder)
{
    m_folder = new QLineEdit(QDir::toNativeSeparators(folder), this);
    m_folder->setPlaceholderText(QDir::toNativeSeparators(m_defaultFolder));
    m_folder->setAccessibleName(tr("Output folder"));
    auto *choose = new QPushButton(tr("C&hoose…"), this);
    choose->setObjectName("chooseFolder");
    connect(choose, &QPushButton::clicked, this, &PreferencesDialog::chooseFolder);
    auto *row = new QHBoxLayout;
    row->addWidget(m_folder, 1);
    row->addWidget(choose);
    return row;
}

Preferences PreferencesDialog::chosen() const
{
    Preferences chosen;
    const QString folder = m_folder->text().trimmed();
    chosen.outputFolder = folder.isEmpty() ? QString() : QDir::cleanPath(QDir::fromNativeSeparators(folder));
    chosen.jpegQuality = m_jpegQuality->value();
    chosen.webpQuality = m_webpQuality->value();
    chosen.webpLossless = m_webpLossless->isChecked();
    chosen.keepCameraDetails = m_keepDetails->isChecked();
    return chosen;
}

void PreferencesDialog::chooseFolder()
{
    const QString start = m_folder->text().isEmpty() ? m_defaultFolder : m_folder->text();
    const QString folder = m_desktop.runFolderPanel(this, tr("Output folder"), start);
    if (!folder.isEmpty())
        m_folder->setText(QDir::toNativeSeparators(folder));
}
