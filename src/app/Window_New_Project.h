#pragma once

#include <QDialog>
#include <QPointer>
#include <QRadioButton>

class Desktop;
class QLabel;
class QPushButton;

// A radio button that a click only ever turns on; the dialog keeps the groups
// exclusive itself.
class ChoiceButton : public QRadioButton {
    Q_OBJECT
  public:
    using QRadioButton::QRadioButton;

  protected:
    void nextCheckState() override;
};

// The project type dialog: four main choices, Linear with its two directions.
// Created anew for each use and run application-modally; starts from the project's
// current mode and, once OK closes it, holds the chosen one in modeChosen.
class Window_New_Project : public QDialog {
    Q_OBJECT
  public:
    Window_New_Project(quint64 currentMode, Desktop &desktop, bool startup, QWidget *parent = nullptr);

    bool bOK = false;
    quint64 modeChosen;
    bool bStartup = false;

    QPointer<QRadioButton> radioComposite;
    QPointer<QRadioButton> radioShape;
    QPointer<QRadioButton> radioLinear;
    QPointer<QRadioButton> radioHorizontal;
    QPointer<QRadioButton> radioVertical;
    QPointer<QRadioButton> radioTransparency;
    QPointer<QRadioButton> radioFusion;
    QPointer<QPushButton> buttonOK;
    QPointer<QPushButton> buttonCancel;

    void windowDidLoad();
    void OnRadioComposite();
    void OnRadioShape();
    void OnRadioTransparency();
    void OnRadioFusion();
    void OnRadioLinear();
    void OnRadioLinearHorizontal();
    void OnRadioLinearVertical();
    void OnOK();
    void OnCancel();

    // Escape and the title bar's close button act as Cancel does.
    void reject() override;

  protected:
    // A palette change (a light or dark theme chosen) tints the descriptions again.
    void changeEvent(QEvent *event) override;

  private:
    void tintDescriptions();
    void buildLayout();
    QRadioButton *addChoice(const QString &name, const QString &text, const QString &description,
                            void (Window_New_Project::*handler)(), bool indented = false);
    void onlyMainChoice(QRadioButton *on);

    Desktop &m_desktop;
    QList<QLabel *> m_descriptions;
};
