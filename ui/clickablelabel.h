#pragma once

#include <QLabel>

namespace ornal {

// A picture that reacts to a click, like the Valider picture and the bet-type logos.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace ornal
