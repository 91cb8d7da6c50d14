#pragma once

#include "betting/arrivalcheck.h"
#include "betting/betchoice.h"
#include "betting/ticketchances.h"
#include "document/savedgame.h"
#include "engine/combinationlist.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ornal {

class ChancesPanel;
class EuroSpinBox;

// The dialog "Coût et gains": the bet type and unit stake of the list, what it costs, and which lines an arrival
// pays and what they bring back. It changes nothing itself: the window hears its signals and shows the result
// back through showGame.
class CoutGainsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int kArrivalPlaces = 5;

    explicit CoutGainsDialog(QWidget* parent);

    // Shows list priced on choice, cost being what it costs there (worked out once, by the window). An earlier check
    // of the arrival stays only while the list and the type stay.
    void showGame(const CombinationList& list, const BetChoice& choice, const std::optional<Result<BetCost>>& cost,
        bool listChanged);
    // Puts the finish into the arrival boxes, first place first.
    void setArrival(const std::array<std::string, kArrivalPlaces>& places);
    // Shows how likely the list is to pay from the runners' odds; nullopt while no runner is given.
    void showChances(const std::optional<Result<TicketChances>>& chances);
    // Gives the focus to the first place of the arrival.
    void focusArrival();
    // Shows the check arrivalToCheck asked for: the classes and the paying lines, or the refusal and its box.
    void showArrivalCheck(Result<ArrivalOutcome> outcome);
    // Puts the rapports of payouts into the boxes of the classes shown, by class name; the other boxes are emptied.
    void showPayouts(const std::vector<SavedPayout>& payouts);

signals:
    void betTypeChosen(const ornal::BetType* type);
    void stakeChosen(const ornal::BetType* type, qint64 cents);
    void rapportBaseChosen(const ornal::BetType* type, qint64 cents);
    void lineToSelect(qint64 line);
    void runnersRequested();
    // Vérifier: the arrival typed, for the game to check.
    void arrivalToCheck(const ornal::SavedArrival& arrival);
    // The rapports typed for the classes of the arrival checked.
    void payoutsTyped(const std::vector<ornal::SavedPayout>& payouts);

private:
    QGroupBox* buildTypeAndStake();
    QGroupBox* buildArrival();
    void showCostFigures();
    void chooseType(int index);
    void readStake();
    void readRapportBase();
    void checkArrival();
    void forgetCheck();
    void showCheck();
    void showWinnings();
    void typePayouts();
    void selectPayingLine();

    QComboBox* m_type = nullptr;
    EuroSpinBox* m_stake = nullptr;
    QPushButton* m_defaultStake = nullptr;
    QLabel* m_lines = nullptr;
    QLabel* m_units = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_costMessage = nullptr;
    std::array<QLineEdit*, kArrivalPlaces> m_arrival {};
    QPushButton* m_check = nullptr;
    QLabel* m_arrivalMessage = nullptr;
    std::array<QLabel*, kMaxPayClasses> m_classNames {};
    std::array<QLabel*, kMaxPayClasses> m_classCounts {};
    EuroSpinBox* m_rapportBase = nullptr; // the stake the rapports are for
    std::array<QLineEdit*, kMaxPayClasses> m_rapports {};
    QLabel* m_payingCount = nullptr;
    QLabel* m_gains = nullptr;
    QLabel* m_net = nullptr;
    QListWidget* m_payingLines = nullptr;
    QPushButton* m_select = nullptr;
    ChancesPanel* m_chances = nullptr;

    const CombinationList* m_list = nullptr;
    BetChoice m_choice;
    std::optional<Result<BetCost>> m_cost;
    std::optional<ArrivalOutcome> m_outcome; // the last check, while it still holds
    std::optional<std::string> m_rapportBaseRefusal; // what is wrong with the stake typed for the rapports
    bool m_showing = false; // showGame is filling the boxes: their signals are not the player's
};

} // namespace ornal
