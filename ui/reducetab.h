#pragma once

#include <QWidget>

namespace ornal {

// A page of the dialog "Réduire le jeu": the dialog prepares it on each opening and hands it Appliquer.
class ReduceTab : public QWidget {
public:
    using QWidget::QWidget;

    // Brings the page up to date with the game each time the dialog opens, dropping unsaved edits.
    virtual void prepare() = 0;

    // Runs the page's work on Appliquer; true when the dialog may close now, false to keep it open (after a refusal,
    // or while work goes on: the page then closes the dialog itself with accept()).
    virtual bool apply() = 0;

    // Called when the dialog closes without applying (Annuler, Escape, the title bar): work in progress stops here.
    virtual void cancel() { }
};

} // namespace ornal
