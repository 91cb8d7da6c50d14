#pragma once

#include <QWidget>

namespace ornal {

// A page of the dialog "Réduire le jeu": the dialog prepares it on each opening and hands it Appliquer.
class ReduceTab : public QWidget {
public:
    using QWidget::QWidget;

    // Brings the page up to date with the game each time the dialog opens, dropping unsaved edits.
    virtual void prepare() = 0;

    // Runs the page's work on Appliquer; true when the dialog may close now.
    virtual bool apply() = 0;
};

} // namespace ornal
