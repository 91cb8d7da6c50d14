#pragma once

#include <QLabel>

namespace ornal {

// A picture that reacts to a click, like the Valider picture and the bet-type logos. Once given the focus, Space and
// Enter click it too.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    // Frames the label as the one chosen among its neighbours, or takes the frame away.
    void setChosen(bool chosen);
    bool isChosen() const { return m_chosen; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_chosen = false;
};

} // namespace ornal
