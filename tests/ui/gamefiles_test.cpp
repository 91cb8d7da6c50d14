// Games kept in files from the window: save, open, the last game and the command line's game.
#include "../betting/nobreak.h"
#include "badfileparity.h"
#include "betting/bettype.h"
#include "document/gamefile.h"
#include "document/gamejson.h"
#include "filetesting.h"
#include "testdata.h"
#include "windowfixture.h"
#include "windowsnapshot.h"

#include <QMenu>
#include <QTest>

#include <unistd.h>

#include <functional>

namespace ornal::testing_support {
namespace {

class GameFilesTest : public WindowTest {
public:
    using WindowTest::caption;
    using WindowTest::click;
    using WindowTest::pick;
    using WindowTest::prepare;
    using WindowTest::type;
    using WindowTest::ui;
    using WindowTest::window;

    const ExtensionControls& ext() const { return window().extensions(); }

    // Saves through the button, the dialog answering file.
    void saveAs(const std::filesystem::path& file)
    {
        m_fileAnswers.push_back(file);
        click(ext().EnregistrerJeu);
    }

    // Opens through the button, the dialog answering file.
    void openFile(const std::filesystem::path& file)
    {
        m_fileAnswers.push_back(file);
        click(ext().OuvrirJeu);
    }

    // The filters, their question answered Yes.
    void keep(const QString& number)
    {
        ui().garde->setEditText(number);
        click(ui().Command3);
        ASSERT_EQ(takeMessages().size(), 1u);
    }

    void remove(const QString& number)
    {
        ui().supp->setEditText(number);
        click(ui().Command4);
        ASSERT_EQ(takeMessages().size(), 1u);
    }

    std::vector<std::string> snapshot() const { return WindowSnapshot(window()); }

    ScratchFolder m_folder;
};

const std::vector<QString> kTwelve { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" };

struct WindowState {
    const char* name;
    std::function<void(GameFilesTest&)> play;
};

class SavedWindowState : public GameFilesTest, public testing::WithParamInterface<WindowState> { };

TEST_P(SavedWindowState, OpensAsItWasSaved)
{
    GetParam().play(*this);
    takeMessages();
    const std::vector<std::string> saved = snapshot();
    const std::filesystem::path file = m_folder / "jeu.ornal";
    saveAs(file);
    ASSERT_TRUE(std::filesystem::exists(file));

    // Another window, busy with another game, opens it.
    open({});
    prepare(10, 3, { "4", "8", "15", "16", "23", "42", "5", "6", "7", "9" }, "1");
    click(ui().Check1[1]);
    click(ui().Picture10);
    ui().txtscan[1]->setText(QStringLiteral("8"));
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    ExpectSameWindow(snapshot(), saved);
    EXPECT_EQ(window().game().file(), file);
}

INSTANTIATE_TEST_SUITE_P(Games, SavedWindowState,
    testing::Values(WindowState { "Untouched", [](GameFilesTest&) {} },
        WindowState { "HorseCountOnly", [](GameFilesTest& t) { t.pick(t.ui().NombreChevaux, "8"); } },
        WindowState { "ComputedWithTwoBases",
            [](GameFilesTest& t) {
                t.prepare(8, 4, { "3", "7", "12", "1", "9", "15", "4", "8" }, "2");
                t.click(t.ui().Check1[0]);
                t.click(t.ui().Check1[2]);
                t.click(t.ui().Picture10);
                ASSERT_EQ(t.caption(), "Combinaisons : 15"); // C(6, 2): the two bases at their places
            } },
        WindowState { "FilteredShuffledWithResults",
            [](GameFilesTest& t) {
                t.prepare(12, 5, kTwelve);
                t.click(t.ui().Picture10);
                t.keep("3");
                t.remove("7");
                t.click(t.ui().Command5);
                t.type(t.ui().txtscan[0], "3");
                t.type(t.ui().txtscan[2], "11");
                ASSERT_EQ(t.caption(), "Combinaisons : 210"); // C(10, 4): 3 and four of the ten others
            } },
        WindowState { "NewHorseCountAfterAComputationAndTypedTexts",
            [](GameFilesTest& t) {
                t.prepare(6, 2, { "1", "2", "3", "4", "5", "6" });
                t.click(t.ui().Picture10);
                t.pick(t.ui().NombreChevaux, "10");
                t.ui().Jeu->setEditText(QStringLiteral(" 3abc"));
                t.ui().Text1[7]->setText(QStringLiteral("05"));
                ASSERT_EQ(t.caption(), "Choisir maintenant le type de jeu");
            } },
        WindowState { "RefusedComputation",
            [](GameFilesTest& t) {
                t.prepare(5, 3, { "1", "2", "2", "4", "5" });
                t.click(t.ui().Picture10);
                // SelectionText stops at the refused box, which it holds.
                ASSERT_EQ(t.window().game().lastSelectionText(), "-1-2-2");
            } }),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameFilesTest, AFileWrittenBeforeTheWindowsViewWasKeptOpens)
{
    // The first version of the format: no "fenetre"; the window shows what the choices would have shown.
    std::filesystem::copy_file(Version1Game(), m_folder / "ancien.ornal");
    openFile(m_folder / "ancien.ornal");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(caption(), "Combinaisons : 4");
    EXPECT_EQ(lines(), (std::vector<std::string> { "-4-9-", "-12-9-", "-1-9-", "-7-9-" }));
    EXPECT_EQ(window().game().lastSelectionText(), "-4-9-12-1-7");
    EXPECT_EQ(window().game().selection().baseCount, 1);
    EXPECT_FALSE(ui().Jeu->isHidden());
    EXPECT_FALSE(ui().Base->isHidden());
    EXPECT_EQ(ui().Jeu->currentText(), "2");
    EXPECT_TRUE(ui().Check1[1]->isChecked());
    EXPECT_FALSE(ui().Check1[1]->isHidden());
    EXPECT_TRUE(ui().Check1[2]->isHidden());
    EXPECT_EQ(ui().txtscan[0]->text(), "9");
    EXPECT_TRUE(ui().txtscan[2]->isHidden());
    // Bet size 2 shows the two Couplé pictures, 0 and 1.
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(ui().PictureJeux[i]->isHidden(), i > 1) << i;
    }
}

// The bet type and its stake are the game's: another window opening it prices it the same (56 × 3,50 € = 196 €).
TEST_F(GameFilesTest, TheBetTypeAndStakeComeBackWithTheGame)
{
    prepare(8, 3, { "1", "2", "3", "4", "5", "6", "7", "8" });
    click(ui().Picture10);
    const BetType* tierce = FindBetType("tierce");
    ASSERT_NE(tierce, nullptr);
    window().costs().ChooseBetType(tierce);
    window().costs().SetUnitStake(*tierce, 350);
    const QString label = ext().CoutJeu->text();
    ASSERT_EQ(label.toStdString(), NoBreak("Tiercé : 196,00_€"));
    const std::filesystem::path file = m_folder / "tierce.ornal";
    saveAs(file);

    open({});
    prepare(8, 3, { "1", "2", "3", "4", "5", "6", "7", "8" });
    click(ui().Picture10);
    ASSERT_NE(ext().CoutJeu->text(), label) << "the other window starts on its default type and stake";
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(ext().CoutJeu->text(), label);
    EXPECT_EQ(ext().CoutJeu->toolTip().toStdString(), NoBreak("56 mises de 3,50_€"));
}

TEST_F(GameFilesTest, TheStakeTheRapportsAreForComesBackWithTheGame)
{
    prepare(8, 3, { "1", "2", "3", "4", "5", "6", "7", "8" });
    click(ui().Picture10);
    const BetType* tierce = FindBetType("tierce");
    ASSERT_NE(tierce, nullptr);
    window().costs().ChooseBetType(tierce);
    window().costs().SetRapportBase(*tierce, 50);
    const std::filesystem::path file = m_folder / "rapports.ornal";
    saveAs(file);

    open({});
    ASSERT_EQ(window().game().bets().rapportBaseCents(*tierce), 100) << "the other window starts on the default";
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(window().game().bets().rapportBaseCents(*tierce), 50);
}

TEST_F(GameFilesTest, ANameWithAccentsAndSpacesSavesAndOpens)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    const std::vector<std::string> saved = snapshot();
    const std::filesystem::path file = m_folder / "Quinté du 14 juillet – Prix d'Été.ornal";
    saveAs(file);
    open({});
    openFile(file);
    EXPECT_TRUE(takeMessages().empty());
    ExpectSameWindow(snapshot(), saved);
}

TEST_F(GameFilesTest, TheFirstSaveAsksForANameAndTheNextOnesReplaceTheGame)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" });
    click(ui().Picture10);
    const std::filesystem::path file = m_folder / "course.ornal";
    saveAs(file);
    ASSERT_EQ(m_fileQuestions.size(), 1u);
    EXPECT_TRUE(m_fileQuestions[0].save);
    EXPECT_EQ(m_fileQuestions[0].title, "Enregistrer le jeu");
    EXPECT_EQ(m_fileQuestions[0].filter, "Jeux Ornal (*.ornal)");
    EXPECT_EQ(m_fileQuestions[0].start.filename(), "jeu.ornal");
    ASSERT_EQ(LoadGame(file)->list.size(), 10u);

    keep("3");
    click(ext().EnregistrerJeu);
    EXPECT_EQ(m_fileQuestions.size(), 1u) << "the game has its name: no question";
    EXPECT_EQ(LoadGame(file)->list.size(), 6u); // C(4, 2) lines hold 3 besides it
    EXPECT_EQ(EntriesOf(m_folder.path()), std::vector<std::string> { "course.ornal" });

    // Ctrl+Maj+S asks again, starting from the game's own name.
    m_fileAnswers.push_back(m_folder / "copie.ornal");
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(m_fileQuestions.size(), 2u);
    EXPECT_EQ(m_fileQuestions[1].start, file);
    EXPECT_EQ(window().game().file(), m_folder / "copie.ornal");
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(GameFilesTest, ANameWithoutTheExtensionGetsItAndNeverReplacesAFileUnasked)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    saveAs(m_folder / "course");
    EXPECT_TRUE(std::filesystem::exists(m_folder / "course.ornal"));

    // The dialog asked about "autre", not about "autre.ornal", which stays as it is.
    PutContent(m_folder / "autre.ornal", "à garder");
    m_fileAnswers.push_back(m_folder / "autre");
    window().files().SaveCurrentGameAs();
    EXPECT_EQ(ContentOf(m_folder / "autre.ornal"), "à garder");
    EXPECT_EQ(takeMessages(),
        std::vector<std::string> { "Impossible d'enregistrer « autre.ornal » : le fichier existe déjà." });
    EXPECT_EQ(window().game().file(), m_folder / "course.ornal");
}

TEST_F(GameFilesTest, GivingUpOrAnUnwritableFolderLeavesNoFile)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    click(ext().EnregistrerJeu); // no answer: the player closed the dialog
    EXPECT_TRUE(takeMessages().empty());
    saveAs(m_folder / "absent" / "jeu.ornal");
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.icon, MessageIcon::Critical);
    EXPECT_EQ(shown()[0].message.text, "Impossible d'enregistrer « jeu.ornal » : dossier ou fichier introuvable.");
    EXPECT_TRUE(EntriesOf(m_folder.path()).empty());
    EXPECT_TRUE(window().game().file().empty());
}

TEST_F(GameFilesTest, AFileThePlayerMayNotReadIsRefused)
{
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root reads any file; the command-line and document suites check this as another user";
    }
    PutContent(m_folder / "secret.ornal", GameOfLines(1));
    std::filesystem::permissions(m_folder / "secret.ornal", std::filesystem::perms::none);
    openFile(m_folder / "secret.ornal");
    EXPECT_EQ(takeMessages(), std::vector<std::string> { "Impossible d'ouvrir « secret.ornal » : accès refusé." });
}

TEST_F(GameFilesTest, ClosingKeepsTheGameWithoutAQuestionAndCtrlShiftOReopensIt)
{
    prepare(6, 3, { "2", "4", "6", "8", "10", "12" });
    click(ui().Picture10);
    keep("4");
    const std::vector<std::string> closed = snapshot();
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(takeMessages().empty());
    ASSERT_TRUE(std::filesystem::exists(m_lastGameFile));

    // The next session opens empty, and the game comes back on request.
    open({});
    EXPECT_EQ(caption(), "Sélectionner le nombre de chevaux de votre jeu");
    QTest::keyClick(&window(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(takeMessages().empty());
    ExpectSameWindow(snapshot(), closed);
    // The kept game has no name: saving asks for one.
    EXPECT_TRUE(window().game().file().empty());
    click(ext().EnregistrerJeu);
    EXPECT_EQ(m_fileQuestions.size(), 1u);
}

TEST_F(GameFilesTest, TheQuitButtonKeepsTheGameToo)
{
    // The window's own quit, as the program runs it: the window closes.
    Form1Services services;
    services.lastGameFile = [this] { return m_lastGameFile; };
    Form1 own({ QStringLiteral("|4|2|1|2|3|4") }, nullptr, services);
    own.show();
    own.PreloadFromCommandLine();
    click(own.controls().Command1);
    EXPECT_FALSE(own.isVisible());
    const GameLoadOutcome kept = LoadGame(m_lastGameFile);
    ASSERT_TRUE(kept.ok()) << kept.refusalText();
    EXPECT_EQ(kept->list.size(), 6u); // C(4, 2)
}

TEST_F(GameFilesTest, AWindowClosedAsItOpenedLeavesTheLastGameAlone)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    window().close();
    const std::string kept = ContentOf(m_lastGameFile);
    ASSERT_FALSE(kept.empty());
    open({});
    window().close();
    EXPECT_EQ(ContentOf(m_lastGameFile), kept);
}

TEST_F(GameFilesTest, AnUnwritableLastGamePlaceDoesNotHoldTheClose)
{
    PutContent(m_folder / "fichier", "");
    m_lastGameFile = m_folder / "fichier" / "ornal" / "dernier-jeu.ornal";
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    EXPECT_TRUE(window().close());
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(EntriesOf(m_folder.path()), std::vector<std::string> { "fichier" });
}

TEST_F(GameFilesTest, WithoutALastGameReopeningSaysSoAndChangesNothing)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    const std::vector<std::string> before = snapshot();
    window().files().ReopenLastGame();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.icon, MessageIcon::Information);
    ExpectSameWindow(snapshot(), before);
}

TEST_F(GameFilesTest, TheOpenButtonsMenuOffersTheLastGame)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    window().close();
    open({});
    emit ext().OuvrirJeu->customContextMenuRequested(QPoint(5, 5));
    auto* menu = window().findChild<QMenu*>(QStringLiteral("MenuOuvrirJeu"));
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Ouvrir un jeu…\tCtrl+O");
    EXPECT_EQ(menu->actions()[1]->text(), "Rouvrir le dernier jeu\tCtrl+Maj+O");
    menu->actions()[1]->trigger();
    menu->hide();
    EXPECT_EQ(caption(), "Combinaisons : 6");
    // The plain click still goes straight to the file dialog.
    click(ext().OuvrirJeu);
    ASSERT_EQ(m_fileQuestions.size(), 1u);
    EXPECT_FALSE(m_fileQuestions[0].save);
    EXPECT_EQ(m_fileQuestions[0].title, "Ouvrir un jeu");
}

TEST_F(GameFilesTest, TheCommandLineOpensAGameInsteadOfThePreload)
{
    prepare(5, 2, { "3", "7", "12", "1", "9" }, "1");
    click(ui().Check1[1]);
    click(ui().Picture10);
    const std::vector<std::string> saved = snapshot();
    const std::filesystem::path file = m_folder / "mon jeu.ornal";
    saveAs(file);
    open({ QString::fromStdString(file.string()) });
    EXPECT_TRUE(takeMessages().empty());
    ExpectSameWindow(snapshot(), saved);
    EXPECT_EQ(window().game().file(), file);
    EXPECT_EQ(window().windowTitle(), "Programme Ornal");
}

TEST_F(GameFilesTest, AMissingGameOnTheCommandLineIsReportedAndTheWindowStaysEmpty)
{
    open({ QString::fromStdString((m_folder / "disparu.ornal").string()) });
    EXPECT_EQ(takeMessages(),
        std::vector<std::string> { "Impossible d'ouvrir « disparu.ornal » : dossier ou fichier introuvable." });
    EXPECT_EQ(caption(), "Sélectionner le nombre de chevaux de votre jeu");
    EXPECT_TRUE(lines().empty());
    EXPECT_TRUE(window().game().file().empty());
}

} // namespace
} // namespace ornal::testing_support
