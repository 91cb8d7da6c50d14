#pragma once

#include <QLabel>

namespace ornal {

// A picture that reacts to a click, like the Valider picture and the bet-type logos. Once it takes the focus, Space
// and Enter click it too.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ornal
