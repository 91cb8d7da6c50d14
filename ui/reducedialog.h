#pragma once

#include <QDialog>

class QPushButton;
class QTabWidget;

namespace ornal {

class ReduceTab;

// The dialog "Réduire le jeu": one tab per way of reducing the list, with Appliquer (Enter) acting on the tab
// shown and Annuler (Escape) leaving the list as it is. Kept hidden between openings, so each tab keeps its state.
class ReduceDialog : public QDialog {
    Q_OBJECT

public:
    explicit ReduceDialog(QWidget* window);

    // Adds tab after the others under title; the dialog takes it, and Tab reaches its controls before the buttons.
    void addTab(ReduceTab* tab, const QString& title);

    // Prepares every tab, then shows the dialog modal to its window without waiting.
    void open() override;

    // Lets every tab stop its work, then closes without applying.
    void reject() override;

    QTabWidget* tabs() const { return m_tabs; }

private:
    void applyShownTab();

    QTabWidget* m_tabs;
    QPushButton* m_apply;
    QPushButton* m_cancel;
};

} // namespace ornal
