#include "choicegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace ornal {

ChoiceGate::ChoiceGate(QComboBox* box)
    : QObject(box)
{
    // Key and focus events reach the box and, forwarded or sent directly, its line edit: watch both.
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
}

bool ChoiceGate::eventFilter(QObject* watched, QEvent* event)
{
    const bool enter = event->type() == QEvent::KeyPress
        && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
            || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (m_committing || !(enter || event->type() == QEvent::FocusOut)) {
        return QObject::eventFilter(watched, event);
    }
    if (enter) {
        emit enterPressed();
    }
    // The box reports its "choice" while this very event is delivered, so deliver it here, inside the flag.
    m_committing = true;
    watched->event(event);
    m_committing = false;
    return true;
}

} // namespace ornal
