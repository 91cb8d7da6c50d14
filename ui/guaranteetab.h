#pragma once

#include "reduction/guarantee.h"
#include "reduction/reducer.h"
#include "ui/guaranteeaccess.h"
#include "ui/reducetab.h"
#include "ui/reductionjob.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ornal {

class LineBudgetBox;

// The tab "Garantie" of the dialog "Réduire le jeu": the guarantees the bet type offers or another one, how many
// lines to keep, a time limit, and a search outside the window's thread keeping as few lines as it finds while the
// guarantee holds, or the lines asked for (a number, or what a budget pays) holding as many arrivals as it finds.
// Appliquer puts the kept lines in List1; nothing else changes the list.
class GuaranteeTab : public ReduceTab {
    Q_OBJECT

public:
    explicit GuaranteeTab(GuaranteeAccess game, QWidget* parent = nullptr);
    // Stops a search under way and waits for it.
    ~GuaranteeTab() override;

    // Shows the guarantees of the bet type now in force; forgets a reduction of another list.
    void prepare() override;
    // Puts the kept lines in List1 when a reduction of this list is shown; otherwise stops the search under way, or
    // starts one, and applies its reduction when it ends (then closes the dialog).
    bool apply() override;
    // Stops the search under way; nothing is applied.
    void cancel() override;

    // Starts a search for the chosen guarantee (the button Réduire).
    void reduce();
    // Asks the search under way to stop; the best reduction found so far is kept (the button Arrêter).
    void stop();
    bool searching() const { return m_job.running(); }
    // The guarantee chosen now.
    Guarantee chosenGuarantee() const;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    // What a search was asked to reduce: its copy of the list, the horses, the bases and the guarantee.
    struct Inputs {
        std::shared_ptr<const CombinationList> list;
        std::vector<double> horses;
        std::vector<double> bases;
        Guarantee guarantee;
        std::uint64_t lineBudget = 0; // 0 for the full guarantee
        std::vector<Runner> runners; // with a budget: the odds that weigh the arrivals, empty for none
    };
    struct Reduction {
        Inputs inputs;
        ReductionResult result;
    };

    void buildControls();
    void showOffers();
    void chooseOther(bool other);
    void choiceChanged();
    void showProgress(const ReductionProgress& progress);
    void finish(const ReductionOutcome& outcome);
    // Searches the same number of lines again without the odds, so that the answer can say what the odds bring;
    // false when no search could start.
    bool startComparison(const Inputs& inputs, const ReductionResult& weighted);
    // Shows a reduction found; withoutOdds is the chance of gain of the search without the odds, when it ran.
    void showReduction(Reduction reduction, std::optional<double> withoutOdds, bool applyNow);
    bool reductionIsCurrent() const;
    // The controls as a saved game keeps them, and back: a game opened shows the guarantee it was reduced to.
    SavedGuarantee savedGuarantee() const;
    void showSavedGuarantee();
    // The guarantee of the reduction just applied becomes the game's.
    void keepGuaranteeInGame();
    // Puts the current reduction in List1; false, with the list kept and the reason shown, when memory runs short.
    bool applyReduction();
    void enableControls();

    GuaranteeAccess m_game;
    std::optional<std::string> m_betTypeId; // the bet type whose offers are shown
    std::vector<OfferedGuarantee> m_offers;
    bool m_offered = false; // the bet type offers a reduction

    QGroupBox* m_choices = nullptr;
    QButtonGroup* m_choiceGroup = nullptr;
    std::vector<QRadioButton*> m_offerButtons;
    QRadioButton* m_other = nullptr;
    QSpinBox* m_finishers = nullptr;
    QSpinBox* m_inLine = nullptr;
    QLabel* m_otherRule = nullptr;
    QLabel* m_refusal = nullptr;
    LineBudgetBox* m_budget = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_reduce = nullptr;
    QPushButton* m_stop = nullptr;
    QProgressBar* m_clock = nullptr;
    QLabel* m_state = nullptr;
    QLabel* m_answer = nullptr;

    std::optional<Inputs> m_running; // the search under way
    std::optional<SavedGuarantee> m_gameGuarantee; // the game's guarantee the controls stand for
    std::optional<Reduction> m_reduction; // the reduction shown
    std::optional<Reduction> m_weighted; // found with the odds, waiting for the search without them
    bool m_applyWhenDone = false;
    std::uint64_t m_runs = 0; // each search gets its own seed
    ReductionJob m_job; // last: its thread is joined before anything above goes
};

} // namespace ornal
