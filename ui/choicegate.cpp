#include "ui/choicegate.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace ornal {

ChoiceGate::ChoiceGate(QComboBox* box)
    : QObject(box)
    , m_box(box)
{
    // Key and focus events reach the box and, forwarded or sent directly, its line edit: watch both.
    box->installEventFilter(this);
    box->lineEdit()->installEventFilter(this);
    // Only the player's keystrokes count as typing: a text the program puts in the box is no choice to make.
    connect(box->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) { m_typed = text; });
    connect(box, &QComboBox::activated, this, [this] { m_typed.clear(); });
}

int ChoiceGate::typedEntry() const
{
    const QString text = m_box->lineEdit()->text();
    if (m_typed.isEmpty() || text != m_typed) {
        return -1;
    }
    return m_box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
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
        if (const int entry = typedEntry(); entry >= 0) {
            // What a click on the entry does: the entry becomes current, then the box reports it picked.
            m_box->setCurrentIndex(entry);
            emit m_box->activated(entry);
            emit m_box->textActivated(m_box->itemText(entry));
            return true;
        }
        emit enterPressed();
    }
    // The box reports its "choice" while this very event is delivered, so deliver it here, inside the flag.
    m_committing = true;
    watched->event(event);
    m_committing = false;
    return true;
}

} // namespace ornal
