#pragma once

#include <QObject>
#include <QPointer>
#include <QRgb>

class QWidget;

namespace ornal {

// A frame drawn over whichever control of a window holds the focus, thick and dark enough to be seen on every
// control: the style's own focus marks are faint on the picture buttons, and missing on some controls.
class FocusRing : public QObject {
public:
    // Follows the focus within window, which owns the ring.
    explicit FocusRing(QWidget* window);

    // The control the frame stands over, or nullptr.
    QWidget* target() const { return m_target; }

    // The frame's width in pixels and its colour, a dark blue that stands out from white, grey and the pictures.
    static constexpr int kWidth = 2;
    static constexpr QRgb kColour = 0xFF1A4FC4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void standOver(QWidget* focused);

    QWidget* m_window;
    QPointer<QWidget> m_target;
    QPointer<QWidget> m_frame; // a child of the target, so that it is drawn over it and moves and hides with it
};

} // namespace ornal
