#include "ui/markstyle.h"

#include <QPainter>
#include <QStyleOption>

namespace ornal {

namespace {

constexpr int kBoxSide = 9;

} // namespace

MarkStyle::MarkStyle()
    : QProxyStyle(nullptr)
{
}

int MarkStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) {
        return kBoxSide;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void MarkStyle::drawPrimitive(
    PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const
{
    if (element != PE_IndicatorCheckBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRect box(option->rect.topLeft(), QSize(kBoxSide, kBoxSide));
    painter->save();
    const bool enabled = option->state & State_Enabled;
    const bool sunken = option->state & State_Sunken;
    painter->fillRect(box, sunken ? QColor(0xD8, 0xD8, 0xD8) : QColor(Qt::white));
    const bool focused = option->state & State_HasFocus;
    painter->setPen(QPen(focused ? option->palette.highlight().color() : QColor(0x40, 0x40, 0x40), 1));
    painter->drawRect(box.adjusted(0, 0, -1, -1));
    if (option->state & State_On) {
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(enabled ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80), 1.5));
        const QPointF corner = box.topLeft();
        painter->drawPolyline(
            QPolygonF { corner + QPointF(2, 4.5), corner + QPointF(3.8, 6.5), corner + QPointF(7, 2.2) });
    }
    painter->restore();
}

} // namespace ornal
