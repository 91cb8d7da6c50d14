#pragma once

#include "engine/messages.h"

class QWidget;

namespace ornal {

// Every message box of the window goes through here, so that tests can record them and answer the questions.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows message with one OK button and returns when the player closes it.
    virtual void show(const Message& message) = 0;
    // Asks message with Yes and No (Yes the default); true on Yes.
    virtual bool ask(const Message& message) = 0;
};

// Modal QMessageBox boxes over parent.
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent);
    void show(const Message& message) override;
    bool ask(const Message& message) override;

private:
    QWidget* m_parent;
};

} // namespace ornal
