#pragma once

#include <QProxyStyle>

namespace ornal {

// The base marks are 9 by 13 pixels, narrower than any style's tick box: this style draws a tick box that fits them
// whole, and leaves everything else to the application's style.
class MarkStyle : public QProxyStyle {
    Q_OBJECT

public:
    MarkStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override;
    void drawPrimitive(
        PrimitiveElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override;
};

} // namespace ornal
