#pragma once

#include "betting/ticketchances.h"

#include <QGroupBox>

#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace ornal {

// The part of "Coût et gains" that says how likely the list is to pay, from the runners' odds, with the button that
// opens "Partants et cotes".
class ChancesPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit ChancesPanel(QWidget* parent);

    // Shows chances, or invites the player to give the odds when there are none (nullopt).
    void showChances(const std::optional<Result<TicketChances>>& chances);

signals:
    void runnersRequested();

private:
    QPushButton* m_runners = nullptr;
    QLabel* m_gain = nullptr;
    std::array<QLabel*, kMaxPayClasses> m_classes {};
    QLabel* m_lines = nullptr;
    QLabel* m_message = nullptr;
};

} // namespace ornal
