#include "ui/messageboxes.h"

#include "ui/qtbridge.h"

#include <QMessageBox>

namespace ornal {

namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The program's texts join their lines with a carriage return alone, which a label does not break on.
QString DisplayedText(const Message& message)
{
    return ToQString(message.text).replace(QChar('\r'), QChar('\n'));
}

} // namespace

QtMessageBoxes::QtMessageBoxes(QWidget* parent)
    : m_parent(parent)
{
}

void QtMessageBoxes::show(const Message& message)
{
    QMessageBox box(
        ToQtIcon(message.icon), ToQString(message.title), DisplayedText(message), QMessageBox::Ok, m_parent);
    box.exec();
}

bool QtMessageBoxes::ask(const Message& message)
{
    QMessageBox box(ToQtIcon(message.icon), ToQString(message.title), DisplayedText(message),
        QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace ornal
