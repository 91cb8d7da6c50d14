#pragma once

#include <QObject>
#include <QString>

class QComboBox;

namespace ornal {

// Tells a choice picked from a drop-down box's list apart from the "choice" an editable box reports by itself when
// its typed text matches an entry and the player presses Enter or leaves the box: only the first is the player's.
// Enter after typing one of the entries picks that entry, as a click on it does.
class ChoiceGate : public QObject {
    Q_OBJECT

public:
    // Watches box's line edit; box must be editable.
    explicit ChoiceGate(QComboBox* box);

    // True while the box's text is being committed by Enter or by the loss of the focus: a choice reported then
    // is not the player's.
    bool committingTypedText() const { return m_committing; }

signals:
    // Enter was pressed in the box's text (not in its open list), and the text was not an entry just typed.
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The entry the player typed and has not chosen yet, or -1.
    int typedEntry() const;

    QComboBox* m_box;
    QString m_typed; // the text as the player's last keystroke left it; empty once chosen
    bool m_committing = false;
};

} // namespace ornal
