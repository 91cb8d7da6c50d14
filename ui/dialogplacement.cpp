#include "ui/dialogplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ornal {

namespace {

// start moved so that [start, start + length) lies within [low, high), or at low when it cannot.
int Within(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

QPoint CentredTopLeft(const QRect& area, const QSize& window)
{
    // A scaled small screen can be shorter than the window: its title bar must stay within reach.
    const QPoint centred = area.center() - QPoint(window.width() / 2, window.height() / 2);
    return { std::max(centred.x(), area.left()), std::max(centred.y(), area.top()) };
}

QPoint BesideTopLeft(const QRect& area, const QRect& window, const QSize& dialog)
{
    const int areaEnd = area.left() + area.width();
    const int roomRight = areaEnd - (window.left() + window.width());
    const int roomLeft = window.left() - area.left();
    int x = 0;
    if (roomRight >= dialog.width()) {
        x = window.left() + window.width();
    } else if (roomLeft >= dialog.width()) {
        x = window.left() - dialog.width();
    } else {
        x = roomRight >= roomLeft ? areaEnd - dialog.width() : area.left();
    }
    x = Within(x, dialog.width(), area.left(), areaEnd);
    const int y = Within(window.top(), dialog.height(), area.top(), area.top() + area.height());
    return { x, y };
}

void PlaceBeside(QWidget* dialog, const QWidget* window, int extraHeight)
{
    if (dialog->minimumSize() != dialog->maximumSize()) {
        dialog->ensurePolished();
        const QSize wanted = dialog->sizeHint().expandedTo(dialog->minimumSizeHint()) + QSize(0, extraHeight);
        dialog->setFixedSize(wanted);
    }
    MoveBeside(dialog, window);
}

void MoveBeside(QWidget* dialog, const QWidget* window)
{
    if (!dialog->testAttribute(Qt::WA_Resized)) {
        dialog->ensurePolished();
        dialog->resize(dialog->sizeHint());
    }
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) {
        return;
    }
    // The dialog's frame is not known before it is shown: the window's frame margins stand in for it.
    const QRect frame = window->frameGeometry();
    const QSize margins = frame.size() - window->size();
    const QPoint at = BesideTopLeft(screen->availableGeometry(), frame, dialog->size() + margins);
    dialog->move(at);
}

} // namespace ornal
