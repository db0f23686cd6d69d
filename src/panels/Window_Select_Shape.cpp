#include "panels/Window_Select_Shape.h"

#include "model/ShapeType.h"
#include "render/ShapeMasks.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kColumns = 4;
constexpr int kPointerLift = 48;

QToolButton *makeShapeButton(quint64 shapeType, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(shapeMaskName(shapeType));
    const QString title = QCoreApplication::translate("Shape", qPrintable(shapeTitle(shapeType)));
    button->setToolTip(title);
    button->setAccessibleName(title);
    button->setAutoRaise(true);
    const int icon = Window_Select_Shape::kButtonSize - 12;
    const qreal ratio = parent->devicePixelRatioF();
    QImage mask = shapeMaskImage(shapeType, QSize(icon, icon) * ratio);
    mask.setDevicePixelRatio(ratio);
    button->setIcon(QIcon(QPixmap::fromImage(mask)));
    button->setIconSize(QSize(icon, icon));
    button->setFixedSize(Window_Select_Shape::kButtonSize, Window_Select_Shape::kButtonSize);
    return button;
}

} // namespace

View_Window_Shapes::View_Window_Shapes(QWidget *parent) : QWidget(parent) {}

void View_Window_Shapes::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    QPainter(this).fillRect(event->rect(), Qt::black);
}

Window_Select_Shape::Window_Select_Shape(QWidget *parent) : QDialog(parent)
{
    setObjectName("Window_Select_Shape");
    setWindowTitle(tr("Select Shape"));
    setWindowModality(Qt::ApplicationModal);
    auto *shapes = new View_Window_Shapes(this);
    auto *grid = new QGridLayout(shapes);
    grid->setSpacing(4);
    for (quint64 type = 0; type < kShapeCount; ++type) {
        QToolButton *button = makeShapeButton(type, shapes);
        grid->addWidget(button, int(type) / kColumns, int(type) % kColumns);
        connect(button, &QToolButton::clicked, this, [this, type] { OnShape(type); });
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(shapes);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QAbstractButton *Window_Select_Shape::shapeButton(quint64 shapeType) const
{
    return findChild<QAbstractButton *>(shapeMaskName(shapeType));
}

void Window_Select_Shape::OnShape(quint64 shapeType)
{
    shapeTypeChosen = shapeType;
    done(1);
}

void Window_Select_Shape::keyPressEvent(QKeyEvent *event)
{
    auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && focused) {
        focused->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Window_Select_Shape::placeAtPointer(QPoint pointer)
{
    adjustSize();
    QPoint corner(pointer.x(), pointer.y() - kPointerLift);
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        corner.setX(std::clamp(corner.x(), room.left(), std::max(room.left(), room.right() + 1 - width())));
        corner.setY(std::clamp(corner.y(), room.top(), std::max(room.top(), room.bottom() + 1 - height())));
    }
    move(corner);
}
