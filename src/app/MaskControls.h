#pragma once

#include <QWidget>

class MaskTool;
class PhotoProject;
class View_Image_Preview;
class QAbstractButton;
class QAction;
class QBoxLayout;
class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

// The mask tool's controls, a row over the canvas: hide and show brushes, linear and
// radial gradients, the brush's size, hardness and opacity, Invert, Clear and "Show
// Mask". They follow the tool's settings (keys change them too) and write the selected
// photo's mask through the document.
class MaskControls : public QWidget {
    Q_OBJECT
  public:
    MaskControls(MaskTool &tool, PhotoProject &project, QWidget *parent = nullptr);

  private:
    void showSettings();
    void readSettings();
    QAbstractButton *addChoice(const QString &name, const QString &text, const QString &tip);

    MaskTool &m_tool;
    PhotoProject &m_project;
    QList<QAbstractButton *> m_choices; // hide, show, linear, radial
    QDoubleSpinBox *m_size = nullptr;
    QSpinBox *m_hardness = nullptr;
    QSpinBox *m_opacity = nullptr;
    QCheckBox *m_showMask = nullptr;
    bool m_showing = false;
};

// Puts the mask tool on the window: its checkable action (returned, for the menu) as a
// button in `toolbar`, its controls at position `at` of `column`, shown while it is on.
// The action is offered only for a later photo of a project that is not Linear.
QAction *addMaskTool(PhotoProject &project, View_Image_Preview &canvas, QBoxLayout *toolbar,
                     QBoxLayout *column, int at);
