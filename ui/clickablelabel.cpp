#include "ui/clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ornal {

namespace {

// The logos are filled with every strong colour (orange, purple, yellow, green, blue, pink, red), so no colour stands
// out on all of them: the chosen one gets a black frame twice as thick as the others, ringed inside with white.
constexpr int kChosenFrameWidth = 2;

} // namespace

ClickableLabel::ClickableLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ClickableLabel::setChosen(bool chosen)
{
    if (chosen != m_chosen) {
        m_chosen = chosen;
        update();
    }
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) {
            emit clicked();
        }
        event->accept();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!m_chosen && !hasFocus()) {
        return;
    }
    QPainter painter(this);
    const QRect r = rect();
    if (m_chosen) {
        // Filled bands rather than a wide pen: the same pixels with or without antialiasing.
        const int w = kChosenFrameWidth;
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), Qt::black);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), Qt::black);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), Qt::black);
        painter.setPen(Qt::white);
        painter.drawRect(r.adjusted(w, w, -w - 1, -w - 1));
    }
    if (hasFocus()) {
        // Black and white dots show on every logo's colour.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBackgroundMode(Qt::OpaqueMode);
        painter.setBackground(Qt::white);
        const int inset = kChosenFrameWidth + 1;
        painter.drawRect(r.adjusted(inset, inset, -inset - 1, -inset - 1));
    }
}

} // namespace ornal
