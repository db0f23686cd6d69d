#include "app/AppAccessibility.h"

#include "app/View_Image_Preview.h"
#include "app/Window_New_Project.h"
#include "panels/Accessible.h"

#include <QRegularExpression>

namespace {

// A ChoiceButton: a radio button, checked or not, pressed by its one action.
class ChoiceAccessible : public QAccessibleWidget {
  public:
    explicit ChoiceAccessible(ChoiceButton *button) : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = button()->isChecked();
        return state;
    }
    QString text(QAccessible::Text type) const override
    {
        if (type != QAccessible::Name || !button()->accessibleName().isEmpty())
            return QAccessibleWidget::text(type);
        QString name = button()->text();
        return name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            button()->click();
    }

  private:
    ChoiceButton *button() const { return static_cast<ChoiceButton *>(widget()); }
};

QAccessibleInterface *appInterface(const QString &, QObject *object)
{
    if (auto *choice = qobject_cast<ChoiceButton *>(object))
        return new ChoiceAccessible(choice);
    if (auto *canvas = qobject_cast<View_Image_Preview *>(object))
        return new ImageAccessible(canvas);
    return nullptr;
}

} // namespace

void installAppAccessibility()
{
    static const bool installed = [] {
        installPanelAccessibility();
        QAccessible::installFactory(appInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
