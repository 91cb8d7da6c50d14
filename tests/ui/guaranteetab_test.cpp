// The tab "Garantie" hosted in a plain dialog of a real window: the offers of each bet size, searches run to their
// end, stopped, cancelled and torn down while they run, and the kept lines checked against a slow count of arrivals.
#include "windowfixture.h"

#include "betting/bettype.h"
#include "coveringcheck.h"
#include "ui/guaranteetab.h"
#include "ui/qtbridge.h"

#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QVBoxLayout>

#include <algorithm>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

QString Preload(int horses, int bet)
{
    QString preload = QStringLiteral("|%1|%2").arg(horses).arg(bet);
    for (int n = 1; n <= horses; ++n) {
        preload += QStringLiteral("|%1").arg(n);
    }
    return preload;
}

class GuaranteeTabTest : public WindowTest {
protected:
    // The tab in a dialog of the window, as the dialog "Réduire le jeu" holds it, prepared as on its opening.
    void openTab(int horses, int bet) { openTab(Preload(horses, bet)); }
    void openTab(const QString& preload)
    {
        open({ preload });
        takeMessages();
        m_dialog = new QDialog(&window());
        auto* layout = new QVBoxLayout(m_dialog);
        m_tab = new GuaranteeTab(window().reduction().guaranteeAccess(), m_dialog);
        layout->addWidget(m_tab);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog);
        m_tab->prepare();
    }

    template <typename Control> Control* find(const char* name) const
    {
        auto* control = m_tab->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    std::string text(const char* label) const { return ToStd(find<QLabel>(label)->text()); }
    bool waitUntilDone(int milliseconds = 10000)
    {
        return QTest::qWaitFor([this] { return !m_tab->searching(); }, milliseconds);
    }
    void setSeconds(int seconds) { find<QSpinBox>("TempsRecherche")->setValue(seconds); }
    // Starts a long search on the largest list and waits until its first report is on screen.
    void startLongSearch()
    {
        openTab(20, 7);
        ASSERT_EQ(lines().size(), 77520u);
        setSeconds(60);
        click(find<QPushButton>("Reduire"));
        ASSERT_TRUE(m_tab->searching());
        ASSERT_TRUE(QTest::qWaitFor([this] { return text("EtatRecherche").starts_with("Meilleure"); }, 10000));
    }

    QPointer<QDialog> m_dialog;
    GuaranteeTab* m_tab = nullptr;
};

struct OfferCase {
    int bet;
    Texts offers; // the sentences of the offered guarantees
    std::string refusal;
};

class GuaranteeOfferTest : public GuaranteeTabTest, public testing::WithParamInterface<OfferCase> { };

// The offers of each bet size's default bet type: Couplé gagnant, Tiercé, Quarté+, Quinté+, Multi, Multi.
TEST_P(GuaranteeOfferTest, OffersFollowTheBetSize)
{
    const OfferCase& c = GetParam();
    openTab(8, c.bet);
    Texts offers;
    for (int i = 0; auto* button = m_tab->findChild<QRadioButton*>(QStringLiteral("Garantie_%1").arg(i)); ++i) {
        if (!button->isHidden()) {
            offers.push_back(ToStd(button->text()));
            EXPECT_EQ(button->isChecked(), i == 0);
        }
    }
    EXPECT_EQ(offers, c.offers);
    EXPECT_EQ(text("RefusGarantie"), c.refusal);
    EXPECT_EQ(find<QPushButton>("Reduire")->isEnabled(), c.refusal.empty());
    EXPECT_EQ(find<QGroupBox>("GarantiesOffertes")->isVisible(), c.refusal.empty());
    EXPECT_FALSE(find<QPushButton>("Arreter")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(GuaranteeTab, GuaranteeOfferTest,
    testing::Values(OfferCase { 2, {},
                        "Aucune réduction possible pour le Couplé gagnant : seule la combinaison "
                        "complète paie." },
        OfferCase { 3, {}, "Aucune réduction possible pour le Tiercé : seule la combinaison complète paie." },
        OfferCase { 4, { "Bonus : si les 3 premiers sont dans votre jeu, une ligne les contient tous" }, "" },
        OfferCase { 5,
            { "Bonus 3 : si les 3 premiers sont dans votre jeu, une ligne les contient tous",
                "Bonus 4 : si les 4 premiers sont dans votre jeu, une ligne les contient tous" },
            "" },
        OfferCase { 6, { "Multi : si les 4 premiers sont dans votre jeu, une ligne les contient tous" }, "" },
        OfferCase { 7, { "Multi : si les 4 premiers sont dans votre jeu, une ligne les contient tous" }, "" }));

// A type picked in the window after the bet size's default: Couplé placé pays a pair among the first three.
TEST_F(GuaranteeTabTest, OffersFollowTheTypeChosenInTheWindow)
{
    openTab(8, 2);
    ASSERT_TRUE(find<QRadioButton>("Garantie_0")->isHidden());
    window().costs().ChooseBetType(FindBetType("couple-place"));
    m_tab->prepare();
    const QRadioButton* pair = find<QRadioButton>("Garantie_0");
    EXPECT_FALSE(pair->isHidden());
    EXPECT_EQ(
        ToStd(pair->text()), "Une paire payante : si les 3 premiers sont dans votre jeu, une ligne en contient 2");
    EXPECT_EQ(m_tab->chosenGuarantee(), (Guarantee { 3, 2 }));
    EXPECT_TRUE(find<QPushButton>("Reduire")->isEnabled());
}

// The 15 quadruples of 6 horses, Bonus (3 in a line): 20 triples, 4 in each line, so 5 lines at least; Schönheim's
// bound, ceil(6/4 * ceil(5/3 * ceil(4/2))) = 6, is met by six quadruples (La Jolla: C(6,4,3) = 6).
TEST_F(GuaranteeTabTest, SmallReductionRunsToItsEndAndIsApplied)
{
    openTab(6, 4);
    const Texts before = lines();
    ASSERT_EQ(before.size(), 15u);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"), "15 lignes → 6 lignes ; garantie tenue pour 20 arrivées sur 20");
    EXPECT_TRUE(text("EtatRecherche").starts_with("Aucune réduction ne garde moins de lignes"));
    EXPECT_EQ(lines(), before) << "nothing changes before Appliquer";

    EXPECT_TRUE(m_tab->apply());
    const Texts kept = lines();
    EXPECT_EQ(kept.size(), 6u);
    EXPECT_TRUE(InListOrder(kept, before));
    EXPECT_EQ(UnmetArrivals(kept, 6, 3, 3), 0);
    EXPECT_EQ(caption(), "Combinaisons : 6");
    // The reduction went through the window's one door: undo brings the whole list back.
    window().listCommands().UndoListChange();
    EXPECT_EQ(lines(), before);
}

// A box of text is a horse by its value, 0, as the filters and the command line read it: the same 20 triples and
// the same 6 lines as with 1 to 6 (the command line's own test runs this game too). Were it left out, the 10 triples
// of the other five would be all the search had to keep.
TEST_F(GuaranteeTabTest, ABoxOfTextIsAHorseByItsValueAsOnTheCommandLine)
{
    openTab(QStringLiteral("|6|4|1|2|abc|4|5|6"));
    ASSERT_EQ(lines().size(), 15u);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"), "15 lignes → 6 lignes ; garantie tenue pour 20 arrivées sur 20");
}

// Without horse 6, the 5 quadruples of 1..5 meet the 10 triples of 1..5; the 10 triples holding 6 are outside. A
// triple lies in 1..5 minus m when m is not in it: the left-out horses must meet every pair of 1..5, so 4 lines.
TEST_F(GuaranteeTabTest, ArrivalsOutsideAFilteredListAreReported)
{
    openTab(6, 4);
    ui().supp->setEditText(QStringLiteral("6"));
    click(ui().Command4);
    ASSERT_EQ(lines().size(), 5u);
    m_tab->prepare();
    // Only the counting bound holds with arrivals outside (3 lines): the search runs out its time.
    setSeconds(1);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"),
        "5 lignes → 4 lignes ; garantie tenue pour 10 arrivées sur 10\nHors du jeu : 10 arrivées");
}

// Keyboard only: the arrow picks "Autre garantie", Tab reaches the two numbers, the lines kept and Réduire, Space
// presses it. Pairs of 6 horses in quadruples: 15 pairs, 6 in a line, and 1234, 1256, 3456 hold them all: 3 lines.
TEST_F(GuaranteeTabTest, AnotherGuaranteeChosenWithTheKeyboard)
{
    openTab(6, 4);
    const auto typeInto = [](const char* value) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(value));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    };
    find<QRadioButton>("Garantie_0")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    ASSERT_TRUE(find<QRadioButton>("GarantieAutre")->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), find<QSpinBox>("PremiersAutre"));
    typeInto("7");
    typeInto("2");
    ASSERT_EQ(QApplication::focusWidget(), find<QRadioButton>("GarantieEntiere"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the lines kept
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // past the time
    ASSERT_EQ(QApplication::focusWidget(), find<QPushButton>("Reduire"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"), "Nombre de premiers invalide : choisissez entre 1 et 6.");

    find<QSpinBox>("PremiersAutre")->setValue(2);
    EXPECT_EQ(m_tab->chosenGuarantee(), (Guarantee { 2, 2 }));
    EXPECT_EQ(text("RegleAutre"), "Garantie : si les 2 premiers sont dans votre jeu, une ligne les contient tous");
    find<QPushButton>("Reduire")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"), "15 lignes → 3 lignes ; garantie tenue pour 15 arrivées sur 15");
}

TEST_F(GuaranteeTabTest, StoppingASearchOnTheLargestListKeepsAValidReduction)
{
    startLongSearch();
    // Reports keep arriving while the search runs: the window's thread is free. The first one after the design's
    // comes once the arrivals of the 77 520 lines are built, which takes seconds under the sanitizers.
    const std::string first = text("EtatRecherche");
    EXPECT_TRUE(QTest::qWaitFor([&] { return text("EtatRecherche") != first; }, 30000));
    EXPECT_FALSE(find<QPushButton>("Reduire")->isEnabled());
    QElapsedTimer stopping;
    stopping.start();
    click(find<QPushButton>("Arreter"));
    ASSERT_TRUE(waitUntilDone(5000));
    EXPECT_LT(stopping.elapsed(), 2000);
    EXPECT_TRUE(text("EtatRecherche").starts_with("Recherche arrêtée")) << text("EtatRecherche");

    EXPECT_TRUE(m_tab->apply());
    const Texts kept = lines();
    EXPECT_LT(kept.size(), 77520u);
    // Multi (4 in a line) over 20 horses: every one of the C(20, 4) = 4845 sets of 4 lies in a kept line.
    EXPECT_EQ(UnmetArrivals(kept, 20, 4, 4), 0);
    EXPECT_EQ(caption(), ToQString(CountCaption(static_cast<CombinationList::Count>(kept.size()))));
}

TEST_F(GuaranteeTabTest, CancellingOrClosingChangesNothing)
{
    openTab(6, 4);
    const Texts before = lines();
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    m_tab->cancel();
    m_dialog->reject();
    EXPECT_EQ(lines(), before);

    startLongSearch();
    const Texts largest = lines();
    m_dialog->close();
    EXPECT_TRUE(waitUntilDone(5000)) << "closing the dialog stops the search";
    EXPECT_EQ(lines(), largest);
}

TEST_F(GuaranteeTabTest, AppliquerWithoutAReductionSearchesThenAppliesAndCloses)
{
    openTab(6, 4);
    EXPECT_FALSE(m_tab->apply());
    EXPECT_TRUE(m_tab->searching());
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(m_dialog->isVisible());
    EXPECT_EQ(lines().size(), 6u);
}

// C(10, 5, 4): the record, 51, lies above the bound, 50, so only the clock or a stop ends the search.
TEST_F(GuaranteeTabTest, AppliquerDuringASearchStopsItAndAppliesTheBestFound)
{
    openTab(10, 5);
    find<QRadioButton>("Garantie_1")->setChecked(true);
    setSeconds(60);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return text("EtatRecherche").starts_with("Meilleure"); }, 10000));
    EXPECT_FALSE(m_tab->apply());
    ASSERT_TRUE(waitUntilDone(5000));
    EXPECT_EQ(m_dialog->result(), QDialog::Accepted);
    const Texts kept = lines();
    EXPECT_LT(kept.size(), 252u);
    EXPECT_EQ(UnmetArrivals(kept, 10, 4, 4), 0);
}

TEST_F(GuaranteeTabTest, AReductionOfAnotherListIsNeverApplied)
{
    openTab(6, 4);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    ui().supp->setEditText(QStringLiteral("6"));
    click(ui().Command4);
    ASSERT_EQ(lines().size(), 5u);
    m_tab->prepare();
    EXPECT_EQ(text("ReponseReduction"), "");
    setSeconds(1);
    // Appliquer searches again rather than put back lines of the old list.
    EXPECT_FALSE(m_tab->apply());
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(lines().size(), 4u);
}

TEST_F(GuaranteeTabTest, TearingDownWhileSearchingStopsAndWaits)
{
    startLongSearch();
    const Texts largest = lines();
    QElapsedTimer teardown;
    teardown.start();
    delete m_dialog;
    // The search was given 60 s: a teardown that waited for its end would take them all. The bound leaves room for
    // a sanitizer build on a loaded machine, where stopping took 2.6 s once.
    EXPECT_LT(teardown.elapsed(), 20000);
    QTest::qWait(50); // reports still on their way must not reach the tab
    EXPECT_EQ(lines(), largest);

    // The window itself goes with a search under way in its dialog.
    startLongSearch();
    open({});
    QTest::qWait(50);
}

// Three of the 15 quadruples of 6 horses hold at most 3 * 4 = 12 of the 20 triples, as 1-2-3-4, 1-2-5-6, 3-4-5-6 do;
// the search keeps such three, Appliquer puts them in the list and undo brings the whole list back.
TEST_F(GuaranteeTabTest, ANumberOfLinesKeepsThoseHoldingTheMostArrivals)
{
    openTab(6, 4);
    const Texts before = lines();
    click(find<QRadioButton>("NombreDeLignes"));
    EXPECT_TRUE(find<QSpinBox>("LignesVoulues")->isEnabled());
    find<QSpinBox>("LignesVoulues")->setValue(3);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    const std::string nbsp = "\u00A0";
    EXPECT_EQ(text("ReponseReduction"),
        "15 lignes → 3 lignes\nGarantie partielle : 12 arrivées tenues sur 20 (60,0" + nbsp + "%)");
    EXPECT_TRUE(text("EtatRecherche").starts_with("Aucun choix de 3 lignes ne tient plus d'arrivées"))
        << text("EtatRecherche");
    EXPECT_EQ(lines(), before);

    EXPECT_TRUE(m_tab->apply());
    const Texts kept = lines();
    EXPECT_EQ(kept.size(), 3u);
    EXPECT_TRUE(InListOrder(kept, before));
    EXPECT_EQ(UnmetArrivals(kept, 6, 3, 3), 20 - 12);
    window().listCommands().UndoListChange();
    EXPECT_EQ(lines(), before);
}

// With the odds a number of lines holds the likeliest arrivals. Five Multi en 4 lines of five runners: each holds one
// arrival, all horses but one; the outsider 1 at 30 is the likeliest to finish last, so its line is left out. The
// chance of gain is then the chance that horse 1 finishes last, summed here over every order by brute force. The
// search without the odds finds every line as good as another: its figure is the chance that the horse its line
// leaves out finishes last, whichever horse that is.
TEST_F(GuaranteeTabTest, WithOddsTheLinesKeptHoldTheLikeliestArrivals)
{
    openTab(5, 4);
    window().costs().ChooseBetType(FindBetType("multi"));
    m_tab->prepare();
    const std::vector<double> odds { 30, 3, 4, 5, 6 };
    window().costs().SetRunners({ { 1, 30 }, { 2, 3 }, { 3, 4 }, { 4, 5 }, { 5, 6 } });
    click(find<QRadioButton>("NombreDeLignes"));
    find<QSpinBox>("LignesVoulues")->setValue(1);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    double total = 0;
    for (const double c : odds) {
        total += 1 / c;
    }
    std::vector<int> order { 0, 1, 2, 3, 4 };
    std::vector<double> lastChance(odds.size(), 0.0);
    do {
        double chance = 1;
        double gone = 0;
        for (const int r : order) {
            chance *= 1 / odds[static_cast<std::size_t>(r)] / total / (1 - gone);
            gone += 1 / odds[static_cast<std::size_t>(r)] / total;
        }
        lastChance[static_cast<std::size_t>(order.back())] += chance;
    } while (std::next_permutation(order.begin(), order.end()));
    const std::string nbsp = "\u00A0";
    const auto percent
        = [&](double chance) { return ToStd(QLocale(QLocale::French).toString(chance * 100, 'f', 2)) + nbsp + "%"; };
    const std::string answer = text("ReponseReduction");
    const std::string start = "5 lignes → 1 ligne\nGarantie partielle : 1 arrivée tenue sur 5 (20,0" + nbsp
        + "%)\nProbabilité de gain : " + percent(lastChance[0]) + " (";
    ASSERT_TRUE(answer.starts_with(start)) << answer;
    const std::string without = answer.substr(start.size());
    EXPECT_TRUE(std::any_of(lastChance.begin(), lastChance.end(), [&](double chance) {
        return without == percent(chance) + " sans les cotes, au même nombre de lignes)";
    })) << answer;
    EXPECT_TRUE(m_tab->apply());
    EXPECT_EQ(lines(), Texts { "-2-3-4-5-" });
}

// The Quarté+ of 6 horses costs 1,30 € a line: 4 € pay three lines, 1 € none, and enough for every line the full
// guarantee, in its 6 lines.
TEST_F(GuaranteeTabTest, ABudgetPaysLinesAtTheStakeInForce)
{
    openTab(6, 4);
    const Texts before = lines();
    const std::string nbsp = "\u00A0";
    click(find<QRadioButton>("Budget"));
    auto* euros = find<QDoubleSpinBox>("BudgetEuros");
    euros->setValue(4);
    EXPECT_EQ(text("PrixBudget"), "3 lignes à 1,30" + nbsp + "€");
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"),
        "15 lignes → 3 lignes\nGarantie partielle : 12 arrivées tenues sur 20 (60,0" + nbsp + "%)");

    // A budget changed after the search: its reduction is not the one asked for any more.
    euros->setValue(1);
    EXPECT_EQ(text("ReponseReduction"), "");
    EXPECT_EQ(text("PrixBudget"), "Budget insuffisant : 1,00" + nbsp + "€ ne paie pas une ligne à 1,30" + nbsp + "€.");
    EXPECT_FALSE(m_tab->apply());
    EXPECT_FALSE(m_tab->searching());
    EXPECT_EQ(text("EtatRecherche"), text("PrixBudget"));
    EXPECT_EQ(lines(), before);

    euros->setValue(50);
    click(find<QPushButton>("Reduire"));
    ASSERT_TRUE(waitUntilDone());
    EXPECT_EQ(text("ReponseReduction"), "15 lignes → 6 lignes ; garantie tenue pour 20 arrivées sur 20");
    EXPECT_TRUE(m_tab->apply());
    EXPECT_EQ(UnmetArrivals(lines(), 6, 3, 3), 0);
}

TEST_F(GuaranteeTabTest, EveryControlIsNamedAndTabGoesThroughThemInOrder)
{
    openTab(8, 5);
    for (QWidget* control : m_tab->findChildren<QWidget*>()) {
        if (control->focusPolicy() & Qt::TabFocus && !control->objectName().startsWith(QStringLiteral("qt_"))) {
            EXPECT_FALSE(control->objectName().isEmpty());
            EXPECT_FALSE(control->toolTip().isEmpty()) << ToStd(control->objectName());
            EXPECT_FALSE(control->accessibleName().isEmpty()) << ToStd(control->objectName());
        }
    }
    find<QRadioButton>("Garantie_0")->setFocus();
    Texts walk;
    for (int step = 0; step < 6; ++step) {
        const QWidget* focus = QApplication::focusWidget();
        walk.push_back(ToStd(focus->objectName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(walk,
        (Texts { "Garantie_0", "GarantieEntiere", "TempsRecherche", "Reduire", "Garantie_0", "GarantieEntiere" }));
}

} // namespace
} // namespace ornal::testing_support
