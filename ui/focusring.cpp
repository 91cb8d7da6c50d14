#include "ui/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace ornal {

namespace {

class Frame : public QWidget {
public:
    explicit Frame(QWidget* target)
        : QWidget(target)
    {
        setObjectName(QStringLiteral("CadreFocus"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QColor colour = QColor::fromRgba(FocusRing::kColour);
        const QRect r = rect();
        const int w = FocusRing::kWidth;
        // Filled bands rather than a wide pen: the same pixels with or without antialiasing.
        painter.fillRect(QRect(r.left(), r.top(), r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), colour);
        painter.fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), colour);
    }
};

} // namespace

FocusRing::FocusRing(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { standOver(now); });
    standOver(QApplication::focusWidget());
}

void FocusRing::standOver(QWidget* focused)
{
    if (m_target) {
        m_target->removeEventFilter(this);
    }
    // A drop-down box's text takes the focus for the box: the frame goes round the whole box.
    if (focused && focused->parentWidget() && focused->parentWidget()->focusProxy() == focused) {
        focused = focused->parentWidget();
    }
    if (!focused || focused == m_window || focused->window() != m_window) {
        m_target = nullptr;
        delete m_frame;
        return;
    }
    m_target = focused;
    if (!m_frame) {
        m_frame = new Frame(focused);
    } else {
        m_frame->setParent(focused);
    }
    m_frame->setGeometry(focused->rect());
    focused->installEventFilter(this);
    m_frame->show();
    m_frame->raise();
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_target && m_frame) {
        if (event->type() == QEvent::Resize) {
            m_frame->setGeometry(m_target->rect());
        } else if (event->type() == QEvent::ChildAdded) {
            // A child added to the control later would cover the frame.
            m_frame->raise();
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ornal
