#include "windowfixture.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QTest>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

std::vector<QString> Numbers(int count)
{
    std::vector<QString> numbers;
    for (int i = 1; i <= count; ++i) {
        numbers.push_back(QString::number(i));
    }
    return numbers;
}

TEST_F(WindowTest, OpensInItsInitialState)
{
    EXPECT_EQ(window().windowTitle(), "Programme Ornal");
    EXPECT_EQ(window().size(), QSize(355, 574));
    EXPECT_EQ(window().minimumSize(), window().maximumSize());
    EXPECT_FALSE(window().windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(ui().Jeu->currentText(), " ");
    EXPECT_EQ(ui().Jeu->count(), 7);
    EXPECT_EQ(ui().Base->currentText(), "Sans Base");
    EXPECT_EQ(ui().Base->count(), 4);
    EXPECT_EQ(ui().NombreChevaux->count(), 17);
    EXPECT_EQ(ui().NombreChevaux->itemText(0), "4");
    EXPECT_EQ(ui().NombreChevaux->itemText(16), "20");
    for (QComboBox* empty : { ui().NombreChevaux, ui().garde, ui().supp }) {
        EXPECT_EQ(empty->currentText(), "") << empty->objectName().toStdString();
        EXPECT_TRUE(empty->isEditable());
    }
    EXPECT_EQ(ui().garde->count(), 20);
    EXPECT_EQ(window().game().selection().baseCount, -1);
    EXPECT_EQ(caption(), "Sélectionner le nombre de chevaux de votre jeu");
    for (QWidget* hidden :
        { static_cast<QWidget*>(ui().Jeu), static_cast<QWidget*>(ui().JeuLabel), static_cast<QWidget*>(ui().Base),
            static_cast<QWidget*>(ui().BaseLabel), static_cast<QWidget*>(ui().txtscan[3]),
            static_cast<QWidget*>(ui().txtscan[4]), static_cast<QWidget*>(ui().Valider),
            static_cast<QWidget*>(ui().Command5), static_cast<QWidget*>(ui().List2) }) {
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(ui().Text1[i]->isHidden());
        EXPECT_TRUE(ui().Check1[i]->isHidden());
    }
    for (QWidget* visible : { static_cast<QWidget*>(ui().Command1), static_cast<QWidget*>(ui().Command7),
             static_cast<QWidget*>(ui().Command6), static_cast<QWidget*>(ui().Command8),
             static_cast<QWidget*>(ui().Picture10), static_cast<QWidget*>(ui().txtscan[0]),
             static_cast<QWidget*>(ui().txtscan[2]), static_cast<QWidget*>(ui().Command2),
             static_cast<QWidget*>(ui().List1), static_cast<QWidget*>(ui().garde) }) {
        EXPECT_TRUE(visible->isVisible()) << visible->objectName().toStdString();
    }
    EXPECT_EQ(ui().Command6->toolTip(), " Site Galopia ");
    EXPECT_EQ(ui().Picture10->toolTip(), " Valider le calcul ");
    EXPECT_EQ(ui().Frame4->title(), "Rechercher un résultat");
}

TEST_F(WindowTest, ControlsBelowTheClientAreaNeverReachTheScreen)
{
    for (QWidget* below : { static_cast<QWidget*>(ui().Valider), static_cast<QWidget*>(ui().Command5),
             static_cast<QWidget*>(ui().List2), static_cast<QWidget*>(ui().Image1) }) {
        below->show();
        EXPECT_FALSE(window().rect().intersects(below->geometry())) << below->objectName().toStdString();
    }
    // The logos' design place lies below their frame, which clips them away.
    EXPECT_FALSE(ui().Frame3->rect().intersects(ui().PictureJeux[0]->geometry()));
}

TEST_F(WindowTest, ObjectNamesFindEveryControl)
{
    for (const char* name : { "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7",
             "Command8", "Frame1", "Frame2", "Frame3", "Frame4", "NombreChevaux", "Jeu", "Base", "garde", "supp",
             "List1", "List2", "TotalComb", "Picture10", "Valider", "Image1", "Label2", "Label7", "Text1_19",
             "Check1_0", "txtscan_4", "PictureJeux_6" }) {
        EXPECT_NE(window().findChild<QWidget*>(name), nullptr) << name;
    }
}

// The road of a typical use: 8 horses, bet size 3, one base ticked on box 0, Valider.
TEST_F(WindowTest, TypicalRoadGivesTwentyOneLines)
{
    pick(ui().NombreChevaux, "8");
    EXPECT_EQ(caption(), "Choisir maintenant le type de jeu");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(ui().Text1[i]->isHidden(), i >= 8) << i;
    }
    EXPECT_FALSE(ui().Jeu->isHidden());
    pick(ui().Jeu, "3");
    pick(ui().Base, "1");
    EXPECT_EQ(window().game().selection().baseCount, 1);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(ui().Check1[i]->isHidden(), i >= 3) << i;
    }
    click(ui().Check1[0]);
    EXPECT_TRUE(ui().Check1[0]->isChecked());
    for (int i = 0; i < 8; ++i) {
        type(ui().Text1[i], QString::number(i + 1));
    }
    click(ui().Picture10);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(lines().size(), 21u);
    EXPECT_EQ(lines().front(), "-1-2-3-");
    EXPECT_EQ(caption(), "Combinaisons : 21");
    EXPECT_EQ(ui().List1->model()->rowCount(), 21);
    EXPECT_EQ(ui().List1->model()->index(20, 0).data().toString(), "-1-7-8-");
    EXPECT_EQ(window().game().lastSelectionText(), "-1-2-3-4-5-6-7-8");
    EXPECT_FALSE(ui().Command5->isHidden());
}

TEST_F(WindowTest, ClickOnValiderRightAfterStartOnlyAsksForABetType)
{
    ui().garde->setFocus();
    click(ui().Picture10);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.text, "Vous devez choisir un type de jeu.");
    EXPECT_EQ(shown()[0].message.icon, MessageIcon::Information);
    EXPECT_EQ(shown()[0].message.title, "Programme Ornal");
    EXPECT_FALSE(m_cursorWasBusy);
    EXPECT_TRUE(lines().empty());
}

TEST_F(WindowTest, ComputationMessagesFocusAndSelectTheBox)
{
    prepare(5, 3, { "3", "7", "", "1", "9" });
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts { "Entrez un Numéro." });
    EXPECT_EQ(QApplication::focusWidget(), ui().Text1[2]);
    EXPECT_EQ(window().game().lastSelectionText(), "-3-7-");
    ui().Text1[2]->setText("12");
    ui().Text1[3]->setText("7");
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts { "Numéro déjà saisi." });
    EXPECT_EQ(QApplication::focusWidget(), ui().Text1[3]);
    EXPECT_EQ(ui().Text1[3]->selectedText(), "7");
    EXPECT_FALSE(m_cursorWasBusy);
    EXPECT_TRUE(lines().empty());
}

TEST_F(WindowTest, BlankBetSizeKeepsThePreviousList)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" });
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 10u);
    pick(ui().Jeu, " ");
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts { "Vous devez choisir un type de jeu." });
    EXPECT_EQ(QApplication::focusWidget(), ui().Jeu);
    EXPECT_EQ(lines().size(), 10u);
    EXPECT_EQ(caption(), "Combinaisons : 10");
}

// Mended: a horse count typed over the picked one made the computation read boxes the player cannot see.
TEST_F(WindowTest, TypedHorseCountIsRefusedInsteadOfReadingHiddenBoxes)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" });
    ui().NombreChevaux->setEditText("8");
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts { "Choix invalide." });
    EXPECT_TRUE(lines().empty());
}

TEST_F(WindowTest, HiddenBoxesKeepTheirNumbersAndMarksAreClearedOnEveryChoice)
{
    pick(ui().NombreChevaux, "12");
    pick(ui().Jeu, "4");
    pick(ui().Base, "2");
    ui().Text1[10]->setText("42");
    click(ui().Check1[0]);
    click(ui().Check1[2]);
    click(ui().Check1[1]);
    EXPECT_EQ(takeMessages(), Texts { "Nombre de click invalide." });
    EXPECT_TRUE(ui().Check1[0]->isChecked());
    EXPECT_FALSE(ui().Check1[1]->isChecked());
    EXPECT_TRUE(ui().Check1[2]->isChecked());

    pick(ui().NombreChevaux, "8");
    EXPECT_TRUE(ui().Text1[10]->isHidden());
    EXPECT_EQ(ui().Text1[10]->text(), "42");
    for (int i = 0; i < 20; ++i) {
        EXPECT_FALSE(ui().Check1[i]->isChecked()) << i;
        EXPECT_EQ(ui().Check1[i]->isHidden(), i >= 4) << i;
    }
    click(ui().Check1[3]);
    pick(ui().Jeu, "3");
    EXPECT_FALSE(ui().Check1[3]->isChecked());
    EXPECT_TRUE(ui().Check1[3]->isHidden());
    click(ui().Check1[1]);
    pick(ui().Base, "Sans Base");
    EXPECT_EQ(window().game().selection().baseCount, -1);
    EXPECT_FALSE(ui().Check1[1]->isChecked());
    EXPECT_TRUE(ui().Check1[1]->isHidden());
    pick(ui().NombreChevaux, "12");
    EXPECT_EQ(ui().Text1[10]->text(), "42");
    EXPECT_FALSE(ui().Text1[10]->isHidden());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(WindowTest, BaseModeAndBetSizeNeedAHorseCountFirst)
{
    ui().Base->show();
    pick(ui().Base, "1");
    EXPECT_EQ(takeMessages(), Texts { "Choisir un Nombre." });
    EXPECT_EQ(QApplication::focusWidget(), ui().NombreChevaux);
    EXPECT_EQ(window().game().selection().baseCount, -1);
    ui().Jeu->show();
    pick(ui().Jeu, "3");
    EXPECT_EQ(takeMessages(), Texts { "Choisir un Nombre." });
    EXPECT_TRUE(shown().empty());
}

TEST_F(WindowTest, BaseModeBeforeBetSizeShowsNoMark)
{
    pick(ui().NombreChevaux, "6");
    pick(ui().Base, "1");
    EXPECT_EQ(window().game().selection().baseCount, 1);
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(ui().Check1[i]->isHidden()) << i;
    }
}

TEST_F(WindowTest, BetSizeAboveHorseCountIsRefusedAndChangesNothing)
{
    pick(ui().NombreChevaux, "5");
    pick(ui().Jeu, "7");
    EXPECT_EQ(takeMessages(), Texts { "Choix invalide." });
    EXPECT_EQ(ui().Jeu->currentText(), "7");
    EXPECT_FALSE(ui().txtscan[2]->isHidden());
    EXPECT_TRUE(ui().txtscan[3]->isHidden());
    for (const auto* logo : ui().PictureJeux) {
        EXPECT_FALSE(ui().Frame3->rect().intersects(logo->geometry())) << "a logo was moved into sight";
    }
}

struct LogoCase {
    int bet;
    int first;
    int second;
    int resultBoxes;
};

class BetSizeLogoTest : public WindowTest, public testing::WithParamInterface<LogoCase> { };

TEST_P(BetSizeLogoTest, ShowsTwoLogosNextToJeuAndTheResultBoxes)
{
    pick(ui().NombreChevaux, "8");
    pick(ui().Jeu, QString::number(GetParam().bet));
    for (int i = 0; i < 7; ++i) {
        const bool shownLogo = i == GetParam().first || i == GetParam().second;
        EXPECT_EQ(ui().PictureJeux[i]->isHidden(), !shownLogo) << i;
    }
    // 1505 and 1220 twips: the first logo 10 twips left of Jeu, the second touching it.
    EXPECT_EQ(ui().PictureJeux[GetParam().first]->pos(), QPoint(TwipsToPixels(1505), TwipsToPixels(480)));
    EXPECT_EQ(ui().PictureJeux[GetParam().second]->pos(), QPoint(TwipsToPixels(1220), TwipsToPixels(480)));
    EXPECT_TRUE(ui().Frame3->rect().contains(ui().PictureJeux[GetParam().first]->geometry()));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ui().txtscan[i]->isHidden(), i >= GetParam().resultBoxes) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryBetSize, BetSizeLogoTest,
    testing::Values(LogoCase { 2, 0, 1, 2 }, LogoCase { 3, 2, 3, 3 }, LogoCase { 4, 4, 5, 4 }, LogoCase { 5, 5, 6, 5 },
        LogoCase { 6, 5, 6, 5 }, LogoCase { 7, 5, 6, 5 }));

TEST_F(WindowTest, BlankBetSizeShowsNoResultBoxNoLogoAndHidesMarks)
{
    pick(ui().NombreChevaux, "8");
    pick(ui().Base, "2");
    pick(ui().Jeu, "3");
    click(ui().Check1[0]);
    pick(ui().Jeu, " ");
    EXPECT_TRUE(takeMessages().empty());
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(ui().txtscan[i]->isHidden());
    }
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(ui().Check1[i]->isHidden());
        EXPECT_FALSE(ui().Check1[i]->isChecked());
    }
    EXPECT_FALSE(ui().Base->isHidden());
}

TEST_F(WindowTest, NumberBoxesTakeTwoDigitsOnly)
{
    pick(ui().NombreChevaux, "4");
    QLineEdit* box = ui().Text1[0];
    type(box, "a -1 2 3");
    EXPECT_EQ(box->text(), "12");
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->text(), "1");
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Eacute, QStringLiteral("é"), {});
    EXPECT_EQ(box->text(), "1");
    type(box, "5");
    EXPECT_EQ(box->text(), "15");
    // Tabbing into a box selects its number, so the next digit replaces it.
    ui().Text1[1]->setFocus();
    QTest::keyClick(ui().Text1[1], Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_EQ(box->selectedText(), "15");
    QTest::keyClicks(box, "7");
    EXPECT_EQ(box->text(), "7");
    // The limit is on typing: the program itself may place a longer text.
    box->setText("123");
    EXPECT_EQ(box->text(), "123");
}

TEST_F(WindowTest, ResultBoxesTabFromTheHighestIndex)
{
    pick(ui().NombreChevaux, "8");
    pick(ui().Jeu, "5");
    ui().Command2->setFocus();
    QTest::keyClick(ui().Command2, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), ui().txtscan[4]);
    for (int i = 3; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), ui().txtscan[i]) << i;
    }
}

TEST_F(WindowTest, LargestListIsShownWhole)
{
    prepare(20, 7, Numbers(20));
    click(ui().Picture10);
    EXPECT_EQ(caption(), "Combinaisons : 77520");
    EXPECT_EQ(ui().List1->model()->rowCount(), 77520);
    EXPECT_EQ(ui().List1->model()->index(77519, 0).data().toString(), "-14-15-16-17-18-19-20-");
}

// The labels are sized for Arial's metrics: where Arial is absent the window asks for Liberation Sans, which has them,
// by name rather than leaving the choice to the system, whose substitute may be wider and cut the captions.
TEST_F(WindowTest, TheTextsAskForArialOrLiberationSansAndFitTheirLabels)
{
    const bool arial = QFontDatabase::hasFamily(QStringLiteral("Arial"));
    for (const QWidget* control :
        { static_cast<const QWidget*>(ui().NombreLabel), static_cast<const QWidget*>(ui().Label2),
            static_cast<const QWidget*>(ui().Label7), static_cast<const QWidget*>(ui().List1),
            static_cast<const QWidget*>(ui().TotalComb), static_cast<const QWidget*>(ui().Frame2) }) {
        EXPECT_EQ(control->font().family().toStdString(), arial ? "Arial" : "Liberation Sans")
            << control->objectName().toStdString();
    }
    if (!arial && !QFontDatabase::hasFamily(QStringLiteral("Liberation Sans"))) {
        GTEST_SKIP() << "neither Arial nor Liberation Sans (fonts-liberation2) is installed";
    }
    // The ink of each caption, not its advance, to within the antialiased edge pixel: a wider font loses whole letters
    // ("Nombr").
    for (const QLabel* label : { ui().NombreLabel, ui().JeuLabel, ui().BaseLabel, ui().Label2, ui().Label7 }) {
        EXPECT_LE(QFontMetrics(label->font()).tightBoundingRect(label->text().trimmed()).right(), label->width())
            << label->text().toStdString();
    }
}

} // namespace
} // namespace ornal::testing_support
