#include "ui/listundokeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace ornal {

ListUndoKeys::ListUndoKeys(QObject* parent)
    : QObject(parent)
{
}

void ListUndoKeys::watchBoxesOf(QWidget* window)
{
    // An editable drop-down box asks its line edit whether to keep a key: both are watched.
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLineEdit*>(child) || qobject_cast<QComboBox*>(child)) {
            child->installEventFilter(this);
        }
    }
}

bool ListUndoKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride) {
        return QObject::eventFilter(watched, event);
    }
    const QKeyCombination keys = static_cast<QKeyEvent*>(event)->keyCombination();
    // Left unanswered, the box does not claim the key, and the window's shortcut runs.
    return keys == QKeyCombination(Qt::ControlModifier, Qt::Key_Z)
        || keys == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace ornal
