#include "ui/numberboxfilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace ornal {

namespace {

constexpr int kTypedLimit = 2;

} // namespace

NumberBoxFilter::NumberBoxFilter(QObject* parent)
    : QObject(parent)
{
}

bool NumberBoxFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box) {
        return false;
    }
    if (event->type() == QEvent::FocusIn) {
        // A mouse press after the focus would put the cursor back: select once the press is handled.
        box->selectAll();
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
        return false;
    }
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // Keys that type nothing (arrows, Home, Delete, Tab for the focus) keep their ordinary meaning.
    const bool typesNothing = key->text().isEmpty() || key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab
        || key->key() == Qt::Key_Delete;
    if (key->key() == Qt::Key_Backspace || typesNothing) {
        return false;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit enterPressed(box);
        return true;
    }
    const QString text = key->text();
    if (text.size() != 1 || text[0] < QChar('0') || text[0] > QChar('9')) {
        return true; // letters, blanks, signs, pasted text and other control characters
    }
    return box->text().size() - box->selectedText().size() >= kTypedLimit;
}

} // namespace ornal
