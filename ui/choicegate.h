#pragma once

#include <QObject>

class QComboBox;

namespace ornal {

// Tells a choice picked from a drop-down box's list apart from the "choice" an editable box reports by itself when
// its typed text matches an entry and the player presses Enter or leaves the box: only the first is the player's.
class ChoiceGate : public QObject {
    Q_OBJECT

public:
    // Watches box's line edit; box must be editable.
    explicit ChoiceGate(QComboBox* box);

    // True while the box's text is being committed by Enter or by the loss of the focus: a choice reported then
    // is not the player's.
    bool committingTypedText() const { return m_committing; }

signals:
    // Enter was pressed in the box's text (not in its open list).
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_committing = false;
};

} // namespace ornal
