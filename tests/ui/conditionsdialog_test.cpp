#include "conditionsparity.h"
#include "windowfixture.h"

#include "engine/numericvalue.h"
#include "listops/horsegroup.h"
#include "ui/qtbridge.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

// Six horses, three a line: the 20 lines of C(6, 3), worked through by hand below.
const QString kSix = QStringLiteral("|6|3|1|2|3|4|5|6");

class ConditionsDialogTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        open({ kSix });
        ASSERT_EQ(lines().size(), 20u);
        takeMessages();
    }

    // Opens the dialog as Ctrl+R does and settles its count.
    QDialog* openDialog()
    {
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window())) {
            ADD_FAILURE() << "the window did not become active";
        }
        QTest::keyClick(&window(), Qt::Key_R, Qt::ControlModifier);
        // A button's shortcut shows the button pressed for a moment before it clicks.
        QDialog* dialog = nullptr;
        const bool opened = QTest::qWaitFor([&] {
            dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
            return dialog && dialog->isVisible();
        });
        EXPECT_TRUE(opened) << "Ctrl+R did not open the dialog";
        if (opened) {
            // The dialog opens on the guarantee: the player turns to the conditions.
            dialog->findChild<QTabWidget*>(QStringLiteral("ReduireJeuOnglets"))->setCurrentIndex(0);
        }
        settle();
        return opened ? dialog : nullptr;
    }

    template <typename T = QWidget> T* control(const char* name)
    {
        auto* dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
        T* found = dialog ? dialog->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

public:
    // Lets the coalesced count run.
    static void settle() { QCoreApplication::processEvents(); }

    void tick(const char* name)
    {
        click(control<QToolButton>(name));
        settle();
    }
    void setSpin(const char* name, int value)
    {
        control<QSpinBox>(name)->setValue(value);
        settle();
    }
    void setBounds(const char* base, int minimum, int maximum)
    {
        control<QCheckBox>((std::string(base) + "Active").c_str())->setChecked(true);
        if (minimum >= 0) {
            setSpin((std::string(base) + "Min").c_str(), minimum);
        }
        setSpin((std::string(base) + "Max").c_str(), maximum);
    }
    QString remaining() { return control<QLabel>("CombinaisonsRestantes")->text(); }
    QString problem() { return control<QLabel>("ConditionsProbleme")->text(); }
    void apply() { click(control<QPushButton>("Appliquer")); }
};

// French grouping: a no-break space between thousands.
QString Remaining(const char* meeting, const char* total)
{
    return QStringLiteral("Combinaisons restantes : %1 sur %2")
        .arg(QString::fromUtf8(meeting).replace('_', QChar(0x00A0)),
            QString::fromUtf8(total).replace('_', QChar(0x00A0)));
}

TEST_F(ConditionsDialogTest, OpensFromTheButtonWithItsTabAndTheWholeListCounted)
{
    click(window().extensions().ReduireJeu);
    auto* dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
    ASSERT_NE(dialog, nullptr);
    settle();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->windowTitle(), "Réduire le jeu");
    EXPECT_EQ(dialog->parent(), &window());
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    auto* tabs = control<QTabWidget>("ReduireJeuOnglets");
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Conditions");
    EXPECT_EQ(tabs->tabText(1), "Garantie");
    EXPECT_EQ(tabs->currentIndex(), 1);
    tabs->setCurrentIndex(0);
    settle();
    EXPECT_EQ(remaining(), Remaining("20", "20"));
    EXPECT_EQ(problem(), "Aucune condition n'est choisie.");
    const Texts names { "Favoris", "Outsiders", "Tocards", "Groupe 4", "Groupe 5" };
    for (int g = 0; g < 5; ++g) {
        EXPECT_EQ(control<QLineEdit>(("NomGroupe" + std::to_string(g + 1)).c_str())->text().toStdString(), names[g]);
    }
    // The shown boxes' numbers, in box order; the spare buttons stay hidden.
    for (int n = 1; n <= 6; ++n) {
        auto* button = control<QToolButton>(("Groupe3Numero" + std::to_string(n)).c_str());
        EXPECT_EQ(button->text(), QString::number(n));
        EXPECT_TRUE(button->isVisible());
        EXPECT_FALSE(button->isChecked());
    }
    EXPECT_EQ(dialog->findChild<QToolButton*>(QStringLiteral("Groupe3Numero7")), nullptr);
    // Bounds switched off start at the widest values three of these numbers reach.
    EXPECT_EQ(control<QSpinBox>("SommeMin")->value(), 6);
    EXPECT_EQ(control<QSpinBox>("SommeMax")->value(), 15);
    EXPECT_FALSE(control<QSpinBox>("SommeMin")->isEnabled());
    EXPECT_EQ(control<QSpinBox>("Groupe1AuPlus")->value(), 3);
}

// The window as one front end of the conditions table: the prediction opened, then the tab "Conditions" set as a
// player sets it and Appliquer clicked. The live count, the problem shown before Appliquer and what the dialog does
// afterwards are the window's own and are checked here.
class ConditionsWindowFront : public ConditionsDialogTest {
public:
    // A message box shows the program's text as it is.
    static std::string said(const std::string& text) { return text; }

    ConditionsAnswer answer(const ConditionsCase& c)
    {
        open({ ToQString(c.preload) });
        takeMessages();
        const std::vector<std::string> before = lines();
        QDialog* dialog = openDialog();
        if (!dialog) {
            return {};
        }
        for (const ConditionsCase::Group& group : c.groups) {
            const std::string row = "Groupe" + std::to_string(group.rank + 1);
            for (const std::string& number : group.numbers) {
                tick((row + "Numero" + HorseNumberText(NumericValue(number))).c_str());
            }
            setSpin((row + "AuMoins").c_str(), group.atLeast);
            setSpin((row + "AuPlus").c_str(), group.atMost);
        }
        if (c.sum) {
            setBounds("Somme", c.sum->first, c.sum->second);
        }
        if (c.even) {
            setBounds("Pairs", c.even->first, c.even->second);
        }
        if (c.longestRun) {
            setBounds("Suite", -1, *c.longestRun);
        }
        const QString live = remaining();
        const std::string problemShown = problem().toStdString();
        apply();
        ConditionsAnswer answer;
        answer.lines = lines();
        if (shown().empty()) {
            answer.kind = ConditionsAnswer::Kind::Kept;
            answer.said = ToStd(caption());
            EXPECT_EQ(
                live, Remaining(std::to_string(answer.lines.size()).c_str(), std::to_string(before.size()).c_str()));
            EXPECT_EQ(problemShown, "");
            EXPECT_FALSE(dialog->isVisible());
            return answer;
        }
        answer.said = shown()[0].message.text;
        answer.kind = shown().size() == 1 && shown()[0].message.icon == MessageIcon::Information
                && answer.lines == before && dialog->isVisible()
            ? ConditionsAnswer::Kind::Refused
            : ConditionsAnswer::Kind::Other;
        // Told before Appliquer, in the dialog itself.
        EXPECT_EQ(problemShown, answer.said);
        takeMessages();
        click(control<QPushButton>("Annuler"));
        return answer;
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Window, ConditionsParity, ConditionsWindowFront);

TEST_F(ConditionsDialogTest, LargeCountsAreGroupedByThousands)
{
    open({ QStringLiteral("|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20") });
    ASSERT_NE(openDialog(), nullptr);
    EXPECT_EQ(remaining(), Remaining("77_520", "77_520"));
    // Leaving out the 20: C(19, 7) = 50 388 lines.
    tick("Groupe1Numero20");
    setSpin("Groupe1AuPlus", 0);
    EXPECT_EQ(remaining(), Remaining("50_388", "77_520"));
}

struct RefusalCase {
    std::string name;
    std::function<void(ConditionsDialogTest&)> set;
    std::string message;
};

class ConditionsDialogRefusals : public ConditionsDialogTest, public testing::WithParamInterface<RefusalCase> { };

TEST_P(ConditionsDialogRefusals, ShowTheMessageAndChangeNothing)
{
    QDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    GetParam().set(*this);
    EXPECT_EQ(problem().toStdString(), GetParam().message);
    apply();
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.text, GetParam().message);
    EXPECT_EQ(shown()[0].message.icon, MessageIcon::Information);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(lines().size(), 20u);
    EXPECT_EQ(caption(), "Combinaisons : 20");
}

INSTANTIATE_TEST_SUITE_P(Window, ConditionsDialogRefusals,
    testing::Values(RefusalCase { "NothingChosen", [](ConditionsDialogTest&) {}, "Aucune condition n'est choisie." }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(ConditionsDialogTest, AnEmptyListIsRefused)
{
    open({});
    ASSERT_NE(openDialog(), nullptr);
    EXPECT_EQ(remaining(), Remaining("0", "0"));
    apply();
    EXPECT_EQ(takeMessages(), Texts { "Liste vide , traitement impossible." });
}

TEST_F(ConditionsDialogTest, AnnulerAndEscapeChangeNothingAndForgetTheEdits)
{
    for (const bool escape : { false, true }) {
        QDialog* dialog = openDialog();
        ASSERT_NE(dialog, nullptr);
        tick("Groupe1Numero3");
        setBounds("Pairs", 0, 0);
        // No even number left: 1-3-5 alone.
        EXPECT_EQ(remaining(), Remaining("1", "20"));
        if (escape) {
            QTest::keyClick(control<QSpinBox>("PairsMax"), Qt::Key_Escape);
        } else {
            click(control<QPushButton>("Annuler"));
        }
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(lines().size(), 20u);
        EXPECT_EQ(caption(), "Combinaisons : 20");
        EXPECT_TRUE(takeMessages().empty());
        openDialog();
        EXPECT_FALSE(control<QToolButton>("Groupe1Numero3")->isChecked());
        EXPECT_FALSE(control<QCheckBox>("PairsActive")->isChecked());
        EXPECT_EQ(remaining(), Remaining("20", "20"));
        click(control<QPushButton>("Annuler"));
    }
}

TEST_F(ConditionsDialogTest, AppliedSettingsComeBackAndLoseTheNumbersLeftOutOfThePrediction)
{
    openDialog();
    control<QLineEdit>("NomGroupe1")->setText(QStringLiteral("Mes chevaux"));
    tick("Groupe1Numero1");
    tick("Groupe1Numero2");
    tick("Groupe1Numero6");
    setSpin("Groupe1AuMoins", 1);
    setBounds("Suite", -1, 2);
    apply();
    // Only 3-4-5 holds none of 1, 2, 6; 1-2-3, 2-3-4 and 4-5-6 hold a run of three: 20 - 4 = 16 lines.
    EXPECT_EQ(lines().size(), 16u);

    openDialog();
    EXPECT_EQ(control<QLineEdit>("NomGroupe1")->text(), "Mes chevaux");
    for (const char* ticked : { "Groupe1Numero1", "Groupe1Numero2", "Groupe1Numero6" }) {
        EXPECT_TRUE(control<QToolButton>(ticked)->isChecked()) << ticked;
    }
    EXPECT_EQ(control<QSpinBox>("Groupe1AuMoins")->value(), 1);
    EXPECT_TRUE(control<QCheckBox>("SuiteActive")->isChecked());
    EXPECT_EQ(control<QSpinBox>("SuiteMax")->value(), 2);
    // Every line left meets the conditions kept.
    EXPECT_EQ(remaining(), Remaining("16", "16"));
    click(control<QPushButton>("Annuler"));

    // The 2 becomes a 9 and the 6 goes with the sixth box: only the 1 stays in the group.
    ui().Text1[1]->setText(QStringLiteral("9"));
    pick(ui().NombreChevaux, QStringLiteral("5"));
    openDialog();
    EXPECT_TRUE(control<QToolButton>("Groupe1Numero1")->isChecked());
    EXPECT_FALSE(control<QToolButton>("Groupe1Numero9")->isChecked());
    auto* dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
    EXPECT_EQ(dialog->findChild<QToolButton*>(QStringLiteral("Groupe1Numero2")), nullptr);
    EXPECT_EQ(dialog->findChild<QToolButton*>(QStringLiteral("Groupe1Numero6")), nullptr);
    EXPECT_EQ(control<QLineEdit>("NomGroupe1")->text(), "Mes chevaux");
}

TEST_F(ConditionsDialogTest, WorksFromTheKeyboardAlone)
{
    QDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    // Tab from the first group's name: its shown numbers, its bounds, then the next group's name.
    control<QLineEdit>("NomGroupe1")->setFocus();
    std::vector<QString> order;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        // A spin box's editor holds the focus for it.
        while (focus && focus->objectName().isEmpty() && focus->parentWidget()) {
            focus = focus->parentWidget();
        }
        order.push_back(focus ? focus->objectName() : QString());
    }
    EXPECT_EQ(order,
        (std::vector<QString> { "Groupe1Numero1", "Groupe1Numero2", "Groupe1Numero3", "Groupe1Numero4",
            "Groupe1Numero5", "Groupe1Numero6", "Groupe1AuMoins", "Groupe1AuPlus", "NomGroupe2" }));
    // Space ticks the focused number; the last control of the tab leads to Appliquer, then Annuler.
    control<QToolButton>("Groupe2Numero4")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(control<QToolButton>("Groupe2Numero4")->isChecked());
    control<QCheckBox>("SuiteActive")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(control<QSpinBox>("SuiteMax")->isEnabled());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(control<QSpinBox>("SuiteMax")->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("Appliquer"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), control<QWidget>("Annuler"));
    // Enter in a spin box applies: lines without the 4 and with no run over 3, here every line without the 4.
    control<QSpinBox>("Groupe2AuPlus")->setValue(0);
    QTest::keyClick(control<QSpinBox>("Groupe2AuPlus"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(lines().size(), 10u); // C(5, 3)
    EXPECT_EQ(caption(), "Combinaisons : 10");
}

TEST_F(ConditionsDialogTest, EveryControlIsNamedAndExplained)
{
    QDialog* dialog = openDialog();
    ASSERT_NE(dialog, nullptr);
    int checked = 0;
    for (QWidget* widget : dialog->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget)
            || qobject_cast<QAbstractSpinBox*>(widget);
        // Qt's own parts of a spin box or a tab bar speak through their owner.
        const bool part
            = qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) || qobject_cast<QTabBar*>(widget->parentWidget());
        if (!control || part || !widget->isVisibleTo(dialog)) {
            continue;
        }
        ++checked;
        const std::string name = widget->objectName().toStdString();
        EXPECT_FALSE(name.empty()) << widget->metaObject()->className();
        EXPECT_FALSE(widget->toolTip().trimmed().isEmpty()) << name;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << name;
        EXPECT_NE(widget->focusPolicy() & Qt::TabFocus, 0) << name;
    }
    // 5 names, 5 x 6 numbers, 10 group bounds, the grouping by odds and its 2 thresholds, 3 check boxes, 5 bounds,
    // 2 buttons.
    EXPECT_EQ(checked, 58);
}

} // namespace
} // namespace ornal::testing_support

namespace ornal::testing_support {
namespace {

class GroupByOddsTest : public ConditionsDialogTest {
protected:
    bool ticked(const char* name) { return control<QToolButton>(name)->isChecked(); }
    QString groupName(int rank) { return control<QLineEdit>(("NomGroupe" + std::to_string(rank)).c_str())->text(); }
};

TEST_F(GroupByOddsTest, FillsTheThreeGroupsAndFollowsTheThresholds)
{
    // Horse 7 runs too but is not in the prediction: it joins no group.
    window().costs().SetRunners({ { 1, 2 }, { 2, 5 }, { 3, 7 }, { 4, 15 }, { 5, 20 }, { 6, 4 }, { 7, 3 } });
    ASSERT_NE(openDialog(), nullptr);
    click(control<QPushButton>("GrouperCotes"));
    settle();
    EXPECT_EQ(groupName(1), QStringLiteral("Favoris"));
    EXPECT_EQ(groupName(2), QStringLiteral("Outsiders"));
    EXPECT_EQ(groupName(3), QStringLiteral("Tocards"));
    // 5 closes the favourites, 15 the outsiders.
    for (const char* name : { "Groupe1Numero1", "Groupe1Numero2", "Groupe1Numero6", "Groupe2Numero3", "Groupe2Numero4",
             "Groupe3Numero5" }) {
        EXPECT_TRUE(ticked(name)) << name;
    }
    for (const char* name : { "Groupe1Numero3", "Groupe2Numero2", "Groupe3Numero4", "Groupe2Numero5" }) {
        EXPECT_FALSE(ticked(name)) << name;
    }
    // Every count allowed: the 20 lines all remain until the player narrows a group.
    EXPECT_EQ(remaining(), Remaining("20", "20"));

    control<QDoubleSpinBox>("SeuilFavoris")->setValue(4.5);
    click(control<QPushButton>("GrouperCotes"));
    settle();
    EXPECT_FALSE(ticked("Groupe1Numero2"));
    EXPECT_TRUE(ticked("Groupe2Numero2"));
    EXPECT_TRUE(ticked("Groupe1Numero6"));
}

TEST_F(GroupByOddsTest, WithoutOddsSaysWhereToGiveThem)
{
    ASSERT_NE(openDialog(), nullptr);
    click(control<QPushButton>("GrouperCotes"));
    EXPECT_EQ(takeMessages(), (std::vector<std::string> { "Donnez d'abord les partants et leurs cotes (Ctrl+K)." }));
    EXPECT_FALSE(ticked("Groupe1Numero1"));
}

} // namespace
} // namespace ornal::testing_support
