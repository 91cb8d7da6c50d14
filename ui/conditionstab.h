#pragma once

#include "engine/selection.h"
#include "ui/conditionssettings.h"
#include "ui/gameaccess.h"
#include "ui/reducetab.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTimer;
class QToolButton;

namespace ornal {

// The tab "Conditions": up to five named groups of the prediction's numbers with how many of each a line may hold,
// bounds on the sum, on the even numbers and on the longest run, and the count of the lines meeting them, kept
// live. Appliquer keeps those lines; the settings last applied come back at the next opening.
class ConditionsTab : public ReduceTab {
    Q_OBJECT

public:
    explicit ConditionsTab(GameAccess game, QWidget* parent = nullptr);

    // Shows the settings last applied, without the numbers the prediction no longer holds, and counts.
    void prepare() override;

    // Checks the conditions shown (a refusal goes to the window's message boxes), then keeps the lines meeting them.
    bool apply() override;

    // The settings as the controls show them now.
    ConditionsSettings shownSettings() const;
    // Fills the groups from the odds, as the button "Grouper selon les cotes" does.
    void clickGroupByOdds() { groupByOdds(); }

private:
    struct PredictionNumber {
        QString text;
        double value = 0;
    };
    struct GroupRow {
        QLineEdit* name = nullptr;
        std::array<QToolButton*, kNumberBoxCount> numbers {};
        QSpinBox* atLeast = nullptr;
        QSpinBox* atMost = nullptr;
    };
    struct BoundsRow {
        QCheckBox* on = nullptr;
        QSpinBox* minimum = nullptr; // none for the run, which has a maximum only
        QSpinBox* maximum = nullptr;
    };

    void buildGroups(QGridLayout* grid);
    void buildBounds(QGridLayout* grid);
    QLayout* buildOddsRow();
    // Fills the first three groups with the prediction's horses by their odds, or says why it cannot.
    void groupByOdds();
    BoundsRow boundsRow(QGridLayout* grid, int row, const char* name, const QString& caption, const QString& tip,
        int limit, bool withMinimum);
    void showSettings(const ConditionsSettings& settings);
    void scheduleCount();
    void showCount();

    GameAccess m_game;
    ConditionsSettings m_kept;
    // The game's conditions m_kept stands for: when the game holds others (a game opened), they are shown instead.
    LineConditions m_keptForGame;
    std::vector<PredictionNumber> m_prediction; // the shown boxes' numbers, each value once, in box order
    std::array<GroupRow, kMaxGroupCount> m_groups;
    BoundsRow m_sum;
    BoundsRow m_even;
    BoundsRow m_run;
    QLabel* m_remaining = nullptr;
    QLabel* m_problem = nullptr;
    QPushButton* m_groupByOdds = nullptr;
    QDoubleSpinBox* m_favouriteOdds = nullptr;
    QDoubleSpinBox* m_outsiderOdds = nullptr;
    QTimer* m_countTimer = nullptr;
};

} // namespace ornal
