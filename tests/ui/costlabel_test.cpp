// The cost under the list, the bet type each bet size proposes and the logos that choose a type. Amounts are worked
// out by hand: C(8, k) lines times the unit stake of the bet table.
#include "../betting/nobreak.h"
#include "windowfixture.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace ornal::testing_support {
namespace {

class CostLabelTest : public WindowTest {
protected:
    // Eight horses numbered 1 to 8, lines of bet numbers, no base, computed.
    void compute(int bet)
    {
        prepare(8, bet, { "1", "2", "3", "4", "5", "6", "7", "8" });
        click(ui().Picture10);
        takeMessages();
    }
    std::string label() const { return window().extensions().CoutJeu->text().toStdString(); }
    std::string tooltip() const { return window().extensions().CoutJeu->toolTip().toStdString(); }
    std::string typeId() const
    {
        const BetType* type = window().game().bets().type();
        return type ? std::string(type->id) : std::string();
    }
    // The logo that shows the chosen frame, or -1; more than one is a fault.
    int chosenLogo() const
    {
        int chosen = -1;
        for (int i = 0; i < 7; ++i) {
            if (ui().PictureJeux[i]->isChosen()) {
                EXPECT_EQ(chosen, -1) << "two logos framed";
                chosen = i;
            }
        }
        return chosen;
    }
};

struct BetSizeCase {
    int bet;
    std::size_t lines; // C(8, bet)
    std::string type;
    int logo;
    std::string label; // '_' for the no-break space
    std::string tooltip;
};

class BetSizeCostTest : public CostLabelTest, public testing::WithParamInterface<BetSizeCase> { };

TEST_P(BetSizeCostTest, EachBetSizeProposesItsTypeAndPricesTheList)
{
    const BetSizeCase& c = GetParam();
    prepare(8, c.bet, { "1", "2", "3", "4", "5", "6", "7", "8" });
    EXPECT_EQ(typeId(), c.type);
    EXPECT_EQ(chosenLogo(), c.logo);
    EXPECT_EQ(label(), "") << "an empty list has no cost to show";
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), c.lines);
    EXPECT_EQ(label(), NoBreak(c.label));
    EXPECT_EQ(tooltip(), NoBreak(c.tooltip));
}

INSTANTIATE_TEST_SUITE_P(Table, BetSizeCostTest,
    testing::Values(BetSizeCase { 2, 28, "couple-gagnant", 0, "Couplé gagnant : 42,00_€", "28 mises de 1,50_€" },
        BetSizeCase { 3, 56, "tierce", 3, "Tiercé : 56,00_€", "56 mises de 1,00_€" },
        BetSizeCase { 4, 70, "quarte", 4, "Quarté+ : 91,00_€", "70 mises de 1,30_€" },
        BetSizeCase { 5, 56, "quinte", 6, "Quinté+ : 112,00_€", "56 mises de 2,00_€" },
        BetSizeCase { 6, 28, "multi", 5, "Multi en 6 : 84,00_€", "28 mises de 3,00_€" },
        BetSizeCase { 7, 8, "multi", 5, "Multi en 7 : 24,00_€", "8 mises de 3,00_€" }));

TEST_F(CostLabelTest, FiltersAndShuffleRepriceTheList)
{
    compute(3);
    ui().garde->setEditText("1");
    click(ui().Command3);
    // The lines holding 1: C(7, 2) = 21.
    ASSERT_EQ(lines().size(), 21u);
    EXPECT_EQ(label(), NoBreak("Tiercé : 21,00_€"));
    EXPECT_EQ(tooltip(), NoBreak("21 mises de 1,00_€"));
    window().costs().SetUnitStake(*FindBetType("tierce"), 200);
    click(ui().Command5);
    EXPECT_EQ(label(), NoBreak("Tiercé : 42,00_€"));
    ui().supp->setEditText("1");
    click(ui().Command4);
    ASSERT_TRUE(lines().empty());
    EXPECT_EQ(label(), "");
    EXPECT_EQ(tooltip(), "Coût du jeu");
}

TEST_F(CostLabelTest, LinesThatDoNotFitTheTypeLeaveTheLabelEmpty)
{
    compute(6);
    EXPECT_EQ(label(), NoBreak("Multi en 6 : 84,00_€"));
    click(ui().PictureJeux[6]);
    EXPECT_EQ(typeId(), "quinte");
    EXPECT_EQ(label(), "") << "lines of 6 priced as a Quinté+";
    click(ui().PictureJeux[5]);
    EXPECT_EQ(label(), NoBreak("Multi en 6 : 84,00_€"));
    // A new bet size proposes its type before any computation; the list of 6 is no Tiercé.
    pick(ui().Jeu, "3");
    EXPECT_EQ(typeId(), "tierce");
    EXPECT_EQ(label(), "");
}

TEST_F(CostLabelTest, ARefusedBetSizeKeepsTheType)
{
    pick(ui().NombreChevaux, "5");
    pick(ui().Jeu, "3");
    pick(ui().Jeu, "7");
    EXPECT_EQ(takeMessages(), std::vector<std::string> { "Choix invalide." });
    EXPECT_EQ(typeId(), "tierce");
}

TEST_F(CostLabelTest, ThePreloadProposesTheTypeOfItsBetSize)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(typeId(), "quinte");
    EXPECT_EQ(label(), NoBreak("Quinté+ : 112,00_€"));
    open({ "|4|7|1|2|3|4" });
    EXPECT_EQ(typeId(), "") << "a refused bet size proposes nothing";
    EXPECT_EQ(label(), "");
}

TEST_F(CostLabelTest, ALogoChoosesItsTypeByMouseOrKeyboard)
{
    compute(3);
    click(ui().PictureJeux[2]);
    EXPECT_EQ(typeId(), "trio");
    EXPECT_EQ(chosenLogo(), 2);
    // 56 lines at the Trio's 1,50 €.
    EXPECT_EQ(label(), NoBreak("Trio : 84,00_€"));
    ui().PictureJeux[3]->setFocus();
    QTest::keyClick(ui().PictureJeux[3], Qt::Key_Space);
    EXPECT_EQ(typeId(), "tierce");
    EXPECT_EQ(chosenLogo(), 3);
    ui().PictureJeux[2]->setFocus();
    QTest::keyClick(ui().PictureJeux[2], Qt::Key_Return);
    EXPECT_EQ(typeId(), "trio");
    QTest::keyClick(ui().PictureJeux[2], Qt::Key_A);
    EXPECT_EQ(typeId(), "trio") << "any other key chooses nothing";
}

TEST_F(CostLabelTest, LogosAreNamedPointedAndInTheTabChain)
{
    const char* names[7] = { "Couplé", "2sur4", "Trio", "Tiercé", "Quarté+", "Multi", "Quinté+" };
    const char* tips[7] = { " Couplé ", " 2sur4 ", " Trio  ", " Tiercé ", " Quarté ", " Multi ", " Quinté+ " };
    for (int i = 0; i < 7; ++i) {
        const ClickableLabel* logo = ui().PictureJeux[i];
        EXPECT_EQ(logo->accessibleName().toStdString(), names[i]);
        EXPECT_EQ(logo->toolTip().toStdString(), tips[i]);
        EXPECT_TRUE(logo->focusPolicy() & Qt::TabFocus) << i;
        EXPECT_EQ(logo->cursor(), ui().Picture10->cursor()) << i;
    }
    // The design's tab indexes put the logos, last to first, right after the marks: with one base on lines of 3,
    // marks 0 to 2 and logos 3 and 2 are shown.
    pick(ui().NombreChevaux, "8");
    pick(ui().Jeu, "3");
    pick(ui().Base, "1");
    ui().Check1[0]->setFocus();
    QTest::keyClick(ui().Check1[0], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui().PictureJeux[3]);
    QTest::keyClick(ui().PictureJeux[3], Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui().PictureJeux[2]);
    QTest::keyClick(ui().PictureJeux[2], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), ui().PictureJeux[3]);
}

// The logos are filled with strong colours and have a one-pixel black box: the chosen one has two black pixels and
// a white ring inside them, on every side.
TEST_F(CostLabelTest, TheChosenLogoHasAThickFrameRingedWithWhite)
{
    pick(ui().NombreChevaux, "8");
    pick(ui().Jeu, "3");
    window().setFocus();
    const QImage chosen = ui().PictureJeux[3]->grab().toImage();
    const QImage other = ui().PictureJeux[2]->grab().toImage();
    const int right = chosen.width() - 1;
    const int bottom = chosen.height() - 1;
    const int middle = chosen.height() / 2;
    const std::vector<std::pair<QPoint, QColor>> frame { { { 0, 0 }, Qt::black }, { { 1, 1 }, Qt::black },
        { { 2, 2 }, Qt::white }, { { right - 1, middle }, Qt::black }, { { right - 2, middle }, Qt::white },
        { { middle, bottom - 1 }, Qt::black }, { { middle, bottom - 2 }, Qt::white } };
    for (const auto& [at, colour] : frame) {
        EXPECT_EQ(chosen.pixelColor(at), colour) << at.x() << "," << at.y();
    }
    EXPECT_EQ(other.pixelColor(0, 0), Qt::black) << "the other logos keep their box";
    EXPECT_NE(other.pixelColor(1, 1), Qt::black);
    EXPECT_NE(other.pixelColor(2, 2), Qt::white);
}

} // namespace
} // namespace ornal::testing_support
