#pragma once

#include "betting/runners.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace ornal {

// The dialog "Partants et cotes": one row per runner of the race, its number and its odds ("5,2" or "5.2"). Each
// change that leaves the rows sound is sent to the window at once; otherwise the dialog says what is wrong and the
// window keeps the runners it had. It reads the clipboard only through the function it is given.
class RunnersDialog : public QDialog {
    Q_OBJECT

public:
    RunnersDialog(std::function<std::string()> clipboardText, QWidget* parent);

    // Shows runners in the rows, first row first, and says nothing more.
    void showRunners(const std::vector<Runner>& runners);
    // What the dialog says under the rows: the fault of a row, or what a paste read.
    QString message() const;
    // Fills the rows from the clipboard, as the button "Coller" does.
    void paste();

signals:
    void runnersChosen(const std::vector<ornal::Runner>& runners);

private:
    void readRows();
    void clearRows();
    void say(const QString& text);

    std::function<std::string()> m_clipboardText;
    QTableWidget* m_table = nullptr;
    QPushButton* m_paste = nullptr;
    QPushButton* m_clear = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_message = nullptr;
    bool m_filling = false; // the rows are being written by the dialog itself
};

} // namespace ornal
