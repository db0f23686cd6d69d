#pragma once

#include <QDialog>
#include <QWidget>

class QAbstractButton;

// The picker's content: twelve shape buttons on black. Wherever no button covers it,
// the view paints black.
class View_Window_Shapes : public QWidget {
    Q_OBJECT
  public:
    explicit View_Window_Shapes(QWidget *parent = nullptr);

  protected:
    void paintEvent(QPaintEvent *event) override;
};

// The shape picker: a small modal window of twelve shape buttons, made anew for every
// pick. A button sets shapeTypeChosen and ends the window with response 1; closing it
// by its title bar or with Escape ends it with 0 and picks nothing.
class Window_Select_Shape : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kButtonSize = 64;

    explicit Window_Select_Shape(QWidget *parent = nullptr);

    quint64 shapeTypeChosen = 0;

    // The button of a shape, by its ShapeType (tests click it).
    QAbstractButton *shapeButton(quint64 shapeType) const;

    // Places the window's top-left corner 48 points above the pointer (screen
    // coordinates, y growing downwards), moved back inside the screen if need be.
    void placeAtPointer(QPoint pointer);

    void OnShape(quint64 shapeType);

  protected:
    // Enter or Return picks the shape whose button has the focus, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
};
