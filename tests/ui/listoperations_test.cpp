#include "windowfixture.h"

#include <QApplication>
#include <QItemSelectionModel>

#include <algorithm>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

class ListOperationsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        prepare(5, 3, { "3", "7", "12", "1", "9" });
        click(ui().Picture10);
        ASSERT_EQ(lines().size(), 10u);
        takeMessages();
    }

    void setFilter(QComboBox* box, const QString& text) { box->setEditText(text); }
};

TEST_F(ListOperationsTest, KeepAfterYesLeavesTheHoldersAndClearsTheBox)
{
    setFilter(ui().garde, "1");
    click(ui().Command3);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_TRUE(shown()[0].question);
    EXPECT_EQ(shown()[0].message.text, "Garder uniquement les combinaisons avec le chiffre : 1");
    EXPECT_EQ(shown()[0].message.icon, MessageIcon::Question);
    // Whole-field matching: 12 does not hold 1.
    EXPECT_EQ(lines(), (Texts { "-3-7-1-", "-3-12-1-", "-3-1-9-", "-7-12-1-", "-7-1-9-", "-12-1-9-" }));
    EXPECT_EQ(caption(), "Combinaisons : 6");
    EXPECT_EQ(ui().garde->currentText(), "");
    EXPECT_TRUE(!ui().List2->model() || ui().List2->model()->rowCount() == 0);
    EXPECT_FALSE(m_cursorWasBusy);
}

TEST_F(ListOperationsTest, RemoveAfterYesDropsTheHolders)
{
    setFilter(ui().supp, "12");
    click(ui().Command4);
    EXPECT_EQ(takeMessages(), Texts { "Supprimer uniquement les combinaisons avec le chiffre : 12" });
    EXPECT_EQ(lines(), (Texts { "-3-7-1-", "-3-7-9-", "-3-1-9-", "-7-1-9-" }));
    EXPECT_EQ(caption(), "Combinaisons : 4");
    EXPECT_EQ(ui().supp->currentText(), "");
}

TEST_F(ListOperationsTest, NoChangesNothing)
{
    setFilter(ui().garde, "3");
    m_answers.push_back(false);
    click(ui().Command3);
    EXPECT_EQ(lines().size(), 10u);
    EXPECT_EQ(caption(), "Combinaisons : 10");
    EXPECT_EQ(ui().garde->currentText(), "3");
}

// Mended: confirming an empty choice kept no line, and the list was lost.
TEST_F(ListOperationsTest, EmptyOrWordChoiceIsRefusedBeforeTheQuestion)
{
    for (const QString& text : { QString(), QStringLiteral("abc") }) {
        setFilter(ui().garde, text);
        click(ui().Command3);
        ASSERT_EQ(shown().size(), 1u);
        EXPECT_FALSE(shown()[0].question);
        EXPECT_EQ(shown()[0].message.text, "Choisir un Nombre.");
        EXPECT_EQ(shown()[0].message.icon, MessageIcon::Information);
        takeMessages();
        EXPECT_EQ(lines().size(), 10u);
    }
}

TEST_F(ListOperationsTest, FiltersAfterEachOther)
{
    setFilter(ui().garde, "3");
    click(ui().Command3);
    setFilter(ui().garde, "7");
    click(ui().Command3);
    EXPECT_EQ(lines(), (Texts { "-3-7-12-", "-3-7-1-", "-3-7-9-" }));
    // A new computation restores the whole list.
    click(ui().Picture10);
    EXPECT_EQ(lines().size(), 10u);
}

TEST_F(ListOperationsTest, ShuffleKeepsEveryLinesNumbers)
{
    const Texts before = lines();
    click(ui().Command5);
    const Texts after = lines();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        std::string a = before[i];
        std::string b = after[i];
        EXPECT_EQ(a.size(), b.size());
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        EXPECT_EQ(a, b) << before[i] << " -> " << after[i];
    }
    EXPECT_EQ(caption(), "Combinaisons : 10");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(WindowTest, EmptyListOperationsSayItOrDoNothing)
{
    click(ui().Command3);
    click(ui().Command2);
    EXPECT_EQ(takeMessages(), (Texts { "Liste vide , traitement impossible.", "Liste vide , traitement impossible." }));
    click(ui().Command5);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(caption(), "Sélectionner le nombre de chevaux de votre jeu");
}

TEST_F(ListOperationsTest, SearchSelectsTheFirstMatchingLine)
{
    ui().txtscan[0]->setText("12");
    ui().txtscan[1]->setText("3");
    ui().txtscan[2]->setText("7");
    click(ui().Command2);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(ui().List1->currentIndex().row(), 0);
    EXPECT_TRUE(ui().List1->selectionModel()->isRowSelected(0, {}));
    ui().txtscan[0]->setText("9");
    click(ui().Command2);
    EXPECT_EQ(ui().List1->currentIndex().row(), 2); // -3-7-9-
    EXPECT_EQ(lines().size(), 10u);
    EXPECT_EQ(caption(), "Combinaisons : 10");
}

TEST_F(ListOperationsTest, SearchWantsEveryShownBox)
{
    ui().txtscan[0]->setText("3");
    ui().txtscan[1]->setText("");
    ui().txtscan[2]->setText("7");
    click(ui().Command2);
    EXPECT_EQ(takeMessages(), Texts { "Champ obligatoire" });
    EXPECT_EQ(QApplication::focusWidget(), ui().txtscan[1]);
    ui().txtscan[1]->setText("03");
    click(ui().Command2);
    EXPECT_EQ(takeMessages(), Texts { "Numéro déjà saisi." });
    EXPECT_EQ(QApplication::focusWidget(), ui().txtscan[1]);
}

TEST_F(ListOperationsTest, ResultBoxesTakeDigitsOnly)
{
    type(ui().txtscan[0], "x1-23");
    EXPECT_EQ(ui().txtscan[0]->text(), "12");
}

} // namespace
} // namespace ornal::testing_support
