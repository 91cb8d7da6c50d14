// The runners, their odds and the thresholds of "Grouper selon les cotes" kept with the game the window saves.
#include "../betting/nobreak.h"
#include "betting/bettype.h"
#include "document/gamefile.h"
#include "filetesting.h"
#include "ui/coutgainsdialog.h"
#include "ui/gameprintout.h"
#include "ui/runnersdialog.h"
#include "windowfixture.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

namespace ornal::testing_support {
namespace {

const std::vector<Runner> kRunners { { 1, 2 }, { 2, 4 }, { 3, 4 }, { 4, 8 } };

class SavedRunnersTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        prepare(4, 2, { "1", "2", "3", "4" });
        click(ui().Picture10);
        ASSERT_EQ(lines().size(), 6u);
        const BetType* ordre = FindBetType("couple-ordre");
        ASSERT_NE(ordre, nullptr);
        window().costs().ChooseBetType(ordre);
        takeMessages();
    }

    void saveAs(const std::filesystem::path& file)
    {
        m_fileAnswers.push_back(file);
        click(window().extensions().EnregistrerJeu);
    }

    void openFile(const std::filesystem::path& file)
    {
        m_fileAnswers.push_back(file);
        click(window().extensions().OuvrirJeu);
    }

    // The chance of gain "Coût et gains" shows, opened as its button does.
    std::string shownGainChance()
    {
        window().costs().ShowCostAndGains();
        auto* dialog = window().findChild<CoutGainsDialog*>();
        EXPECT_NE(dialog, nullptr);
        const QLabel* gain = dialog ? dialog->findChild<QLabel*>(QStringLiteral("ProbabiliteGain")) : nullptr;
        EXPECT_NE(gain, nullptr);
        return gain ? gain->text().toStdString() : std::string();
    }

    // Opens "Réduire le jeu" as Ctrl+R does, on its conditions.
    QDialog* openConditions()
    {
        window().reduction().ReduceList();
        auto* dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            dialog->findChild<QTabWidget*>(QStringLiteral("ReduireJeuOnglets"))->setCurrentIndex(0);
        }
        return dialog;
    }

    static QDoubleSpinBox* threshold(QDialog* dialog, const char* name)
    {
        return dialog->findChild<QDoubleSpinBox*>(QString::fromLatin1(name));
    }

    ScratchFolder m_folder;
};

TEST_F(SavedRunnersTest, TheRunnersComeBackIntoTheDialogAndTheChances)
{
    window().costs().SetRunners(kRunners);
    const std::string chance = shownGainChance();
    ASSERT_EQ(chance.rfind("Probabilité de gain : ", 0), 0u) << chance;
    const std::string percent = chance.substr(std::string("Probabilité de gain : ").size());
    const std::filesystem::path file = m_folder / "cotes.ornal";
    saveAs(file);

    open({});
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    ASSERT_TRUE(window().game().runners().empty()) << "the other window starts without runners";
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(window().game().runners(), kRunners);
    EXPECT_EQ(shownGainChance(), chance);
    EXPECT_NE(window().extensions().CoutJeu->toolTip().toStdString().find(percent), std::string::npos);
    window().costs().ShowRunners();
    const auto* dialog = window().findChild<RunnersDialog*>(QStringLiteral("PartantsCotesDialog"));
    ASSERT_NE(dialog, nullptr);
    const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("TablePartants"));
    ASSERT_NE(table, nullptr);
    ASSERT_NE(table->item(1, 1), nullptr);
    EXPECT_EQ(table->item(1, 0)->text(), QStringLiteral("2"));
    EXPECT_EQ(table->item(1, 1)->text(), QStringLiteral("4"));
}

TEST_F(SavedRunnersTest, AGameWithoutRunnersLeavesNoneOfTheRaceBefore)
{
    const std::filesystem::path file = m_folder / "sans-cotes.ornal";
    saveAs(file);
    window().costs().SetRunners(kRunners);
    window().costs().ShowRunners();
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_TRUE(window().game().runners().empty());
    const auto* dialog = window().findChild<RunnersDialog*>(QStringLiteral("PartantsCotesDialog"));
    ASSERT_NE(dialog, nullptr);
    const auto* table = dialog->findChild<QTableWidget*>(QStringLiteral("TablePartants"));
    ASSERT_NE(table, nullptr);
    const auto* first = table->item(0, 1);
    EXPECT_TRUE(first == nullptr || first->text().isEmpty()) << "the open dialog shows the game's runners too";
}

// Opening a game replaces the race with the game's: undoing the opening brings back the race shown before, with
// its thresholds, and redoing it the game's again; a later change of the list leaves the race alone.
TEST_F(SavedRunnersTest, UndoingAnOpeningBringsBackTheRaceShownBefore)
{
    const std::vector<Runner> saved { { 1, 3 }, { 2, 3 }, { 3, 5 }, { 4, 9 } };
    window().costs().SetRunners(saved);
    const std::filesystem::path file = m_folder / "course.ornal";
    saveAs(file);

    window().costs().SetRunners(kRunners);
    QDialog* conditions = openConditions();
    ASSERT_NE(conditions, nullptr);
    threshold(conditions, "SeuilFavoris")->setValue(3);
    conditions->reject();
    const std::string before = shownGainChance();
    openFile(file);
    ASSERT_TRUE(takeMessages().empty());
    ASSERT_EQ(window().game().runners(), saved);

    window().listCommands().UndoListChange();
    EXPECT_EQ(window().game().runners(), kRunners);
    EXPECT_EQ(shownGainChance(), before) << "the chances are the race's shown again";
    conditions = openConditions();
    ASSERT_NE(conditions, nullptr);
    EXPECT_EQ(threshold(conditions, "SeuilFavoris")->value(), 3);
    conditions->reject();

    window().listCommands().RedoListChange();
    EXPECT_EQ(window().game().runners(), saved);
    window().listCommands().UndoListChange();
    EXPECT_EQ(window().game().runners(), kRunners);

    // A change of the list alone, undone, keeps the runners the player has just given.
    window().listCommands().RedoListChange();
    click(ui().Command4);
    window().costs().SetRunners(kRunners);
    window().listCommands().UndoListChange();
    EXPECT_EQ(window().game().runners(), kRunners);
}

TEST_F(SavedRunnersTest, TheThresholdsSetBesideTheButtonComeBackWithTheGame)
{
    QDialog* dialog = openConditions();
    ASSERT_NE(dialog, nullptr);
    threshold(dialog, "SeuilFavoris")->setValue(3.5);
    threshold(dialog, "SeuilOutsiders")->setValue(12);
    dialog->reject();
    const std::filesystem::path file = m_folder / "seuils.ornal";
    saveAs(file);
    const GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    EXPECT_EQ(loaded->oddsThresholds, (OddsThresholds { 3.5, 12 }));

    open({});
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    dialog = openConditions();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(threshold(dialog, "SeuilFavoris")->value(), 3.5);
    EXPECT_EQ(threshold(dialog, "SeuilOutsiders")->value(), 12);
    dialog->reject();
}

TEST_F(SavedRunnersTest, OnlyThresholdsThePlayerSetAreSaved)
{
    // Opening the conditions shows the defaults without making them the game's.
    QDialog* dialog = openConditions();
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
    EXPECT_FALSE(window().game().saved().oddsThresholds);
    // A game that holds other thresholds puts them in the boxes already made.
    SavedGame game = window().game().saved();
    game.oddsThresholds = OddsThresholds { 6, 25 };
    const std::filesystem::path file = m_folder / "autres.ornal";
    ASSERT_TRUE(SaveGame(file, game).ok());
    openFile(file);
    dialog = openConditions();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(threshold(dialog, "SeuilFavoris")->value(), 6);
    EXPECT_EQ(threshold(dialog, "SeuilOutsiders")->value(), 25);
    dialog->reject();
}

TEST_F(SavedRunnersTest, AFinerThresholdIsTheOneTheBoxRoundsItTo)
{
    SavedGame game = window().game().saved();
    game.oddsThresholds = OddsThresholds { 5.26, 15 };
    const std::filesystem::path file = m_folder / "fin.ornal";
    ASSERT_TRUE(SaveGame(file, game).ok());
    openFile(file);
    QDialog* dialog = openConditions();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(threshold(dialog, "SeuilFavoris")->value(), 5.3);
    dialog->reject();
    EXPECT_EQ(window().game().saved().oddsThresholds, (OddsThresholds { 5.3, 15 }));
}

TEST_F(SavedRunnersTest, ThePrintoutNamesTheRunnersBelowTheBet)
{
    window().costs().SetRunners({ { 2, 4 }, { 1, 2.5 }, { 3, 12.25 }, { 4, 30 } });
    const std::vector<std::string> heading = GamePrintout(window().game().saved(), "14/07/2024").headingLines();
    ASSERT_GE(heading.size(), 2u);
    EXPECT_EQ(heading[heading.size() - 2], NoBreak(" Couplé ordre : 6 mises de 1,50_€ = 9,00_€"));
    EXPECT_EQ(heading.back(), " Partants et cotes : 2 à 4 ; 1 à 2,5 ; 3 à 12,25 ; 4 à 30");
}

} // namespace
} // namespace ornal::testing_support
