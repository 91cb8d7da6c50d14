#pragma once

#include <QObject>

namespace ornal {

// For the number and result boxes: only digits and Backspace pass, at most two characters are typed, and the
// whole text is selected when the box gets the focus. The limit is on typing only: the command-line preload may
// put longer texts into a box.
class NumberBoxFilter : public QObject {
    Q_OBJECT

public:
    explicit NumberBoxFilter(QObject* parent = nullptr);

signals:
    // Enter was pressed in box; the key itself types nothing into it.
    void enterPressed(QObject* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ornal
