#include "panels/Accessible.h"

#include "panels/ValueSlider.h"
#include "panels/View_Shape.h"

#include <QSlider>

namespace {

// The track of a ValueSlider, read and set in the slider's own values.
class ShownValueAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit ShownValueAccessible(QSlider *track) : QAccessibleWidget(track, QAccessible::Slider) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? slider()->valueText() : QAccessibleWidget::text(type);
    }
    QVariant currentValue() const override { return slider()->value(); }
    void setCurrentValue(const QVariant &value) override { slider()->editValue(value.toDouble()); }
    QVariant maximumValue() const override { return slider()->range().maximum; }
    QVariant minimumValue() const override { return slider()->range().minimum; }
    QVariant minimumStepSize() const override { return slider()->range().step; }

  private:
    ValueSlider *slider() const { return static_cast<ValueSlider *>(widget()->parentWidget()); }
};

QAccessibleInterface *panelInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (auto *track = qobject_cast<QSlider *>(widget);
        track && qobject_cast<ValueSlider *>(track->parentWidget()))
        return new ShownValueAccessible(track);
    if (qobject_cast<ShapeThumbnail *>(widget))
        return new ImageAccessible(widget);
    return nullptr;
}

} // namespace

void *ImageAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ImageInterface)
        return static_cast<QAccessibleImageInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ImageAccessible::imageDescription() const
{
    return widget()->accessibleDescription().isEmpty() ? widget()->accessibleName()
                                                       : widget()->accessibleDescription();
}

QSize ImageAccessible::imageSize() const
{
    return widget()->size();
}

QPoint ImageAccessible::imagePosition() const
{
    return widget()->mapToGlobal(QPoint(0, 0));
}

void installPanelAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(panelInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
