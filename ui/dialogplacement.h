#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ornal {

// Where a window of size goes on a screen's available area: centred, its top-left corner kept inside the area.
QPoint CentredTopLeft(const QRect& area, const QSize& window);

// Where a dialog's frame of size dialog goes beside the window's frame window on a screen's available area: against
// the window's right edge when the area has room there, else against its left edge, else on the side with more room,
// covering as little of the window as it can; the top edges level; always wholly inside the area when it fits.
QPoint BesideTopLeft(const QRect& area, const QRect& window, const QSize& dialog);

// Gives dialog one size for good, the one its layout asks for now with extra height for what it may show later
// (so that typing or switching tabs never makes it jump), and moves it beside window. Call before each showing.
void PlaceBeside(QWidget* dialog, const QWidget* window, int extraHeight = 0);

// Moves dialog beside window, at the size it has (for a dialog the player may resize). Call before each showing.
void MoveBeside(QWidget* dialog, const QWidget* window);

} // namespace ornal
