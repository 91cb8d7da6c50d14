#pragma once

#include <QObject>

class QWidget;

namespace ornal {

// Keeps the window's undo and redo keys (Ctrl+Z, Ctrl+Maj+Z) for the list: a text box would take them for its own
// undo of a character or two, and the focus often stands in a number box after a computation.
class ListUndoKeys : public QObject {
public:
    explicit ListUndoKeys(QObject* parent = nullptr);

    // Watches every text and drop-down box of window.
    void watchBoxesOf(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace ornal
