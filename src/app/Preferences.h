#pragma once

#include "encode/PictureWriter.h"

#include <QDialog>

class Desktop;
class QCheckBox;
class QLayout;
class QLineEdit;
class QSpinBox;

// What the user set in Edit › Preferences, kept in the settings file.
struct Preferences {
    QString outputFolder; // empty: the Quillane folder in Documents
    int jpegQuality = kDefaultJpegQuality;
    int webpQuality = kDefaultWebpQuality;
    bool webpLossless = false;
    bool keepCameraDetails = false; // the background photo's camera, lens, exposure and date

    static Preferences load();
    void save() const;
    // The writer's options for a picture at `path` (its extension's format).
    PictureOptions pictureOptions(const QString &path) const;
};

// Edit › Preferences: a modal dialog over the preferences; OK keeps them.
class PreferencesDialog : public QDialog {
    Q_OBJECT
  public:
    PreferencesDialog(const Preferences &preferences, const QString &defaultFolder, Desktop &desktop,
                      QWidget *parent = nullptr);

    Preferences chosen() const;
    QLineEdit *folderField() const { return m_folder; }
    QCheckBox *keepCameraDetails() const { return m_keepDetails; }

  private:
    QLayout *folderRow(const QString &folder);
    void chooseFolder();

    Desktop &m_desktop;
    QString m_defaultFolder;
    QLineEdit *m_folder = nullptr;
    QSpinBox *m_jpegQuality = nullptr;
    QSpinBox *m_webpQuality = nullptr;
    QCheckBox *m_webpLossless = nullptr;
    QCheckBox *m_keepDetails = nullptr;
};
