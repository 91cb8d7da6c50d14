// Undo and redo of the list's changes.
#include "ui/form1.h"

namespace ornal {

void Form1::UndoListChange()
{
    showChanges(m_game.undo());
}

void Form1::RedoListChange()
{
    showChanges(m_game.redo());
}

} // namespace ornal
