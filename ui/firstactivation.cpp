#include "ui/firstactivation.h"

#include <QEvent>
#include <QWidget>

#include <utility>

namespace ornal {

FirstActivation::FirstActivation(QWidget* window, std::function<void()> run)
    : QObject(window)
    , m_run(std::move(run))
{
    window->installEventFilter(this);
}

bool FirstActivation::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_run) {
        watched->removeEventFilter(this);
        // The action may open dialogs that activate the window again: it is no longer watched by then.
        const std::function<void()> run = std::exchange(m_run, {});
        deleteLater();
        run();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ornal
