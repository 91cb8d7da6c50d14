#include "ui/accessibility.h"

#include "ui/clickablelabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace ornal {

namespace {

class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    // Pressing, and the widget's own actions: a screen reader moves the focus with the focus action.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        names.removeAll(pressAction());
        names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            emit static_cast<ClickableLabel*>(widget())->clicked();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* OrnalFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType()) {
        return nullptr;
    }
    if (className == QLatin1String("ornal::ClickableLabel")) {
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    }
    // The window is a plain widget with the dialog's frame: say so, or readers announce a bare "window".
    if (className == QLatin1String("ornal::Form1")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(OrnalFactory);
        return true;
    }();
    (void)installed;
}

} // namespace ornal
