// What the keyboard alone and a screen reader reach: a typed entry chosen by Enter, the list's undo from any box, the
// shuffle and the copy from anywhere, the focus moved by assistive technologies, and a focus a player can see.
#include "windowfixture.h"

#include "ui/focusring.h"
#include "ui/qtbridge.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QTest>

#include <set>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

struct TypedChoiceCase {
    std::string name;
    int box; // 0: NombreChevaux, 1: Jeu, 2: Base
    QString typed;
};

class TypedChoiceTest : public WindowTest, public testing::WithParamInterface<TypedChoiceCase> {
protected:
    QComboBox* box() const
    {
        QComboBox* boxes[] = { ui().NombreChevaux, ui().Jeu, ui().Base };
        return boxes[GetParam().box];
    }

    // Each box's choice shows something only that choice shows.
    std::string choiceSeen() const
    {
        switch (GetParam().box) {
        case 0:
            return "boxes shown: "
                + std::to_string(std::count_if(
                    ui().Text1.begin(), ui().Text1.end(), [](const QLineEdit* b) { return !b->isHidden(); }));
        case 1:
            return "result boxes shown: "
                + std::to_string(std::count_if(
                    ui().txtscan.begin(), ui().txtscan.end(), [](const QLineEdit* b) { return !b->isHidden(); }));
        default:
            return "base count: " + std::to_string(window().game().selection().baseCount);
        }
    }

    void typeIntoBox()
    {
        box()->setFocus();
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), GetParam().typed);
    }
};

// A window with a list of bets of 3 from 8 horses, without bases: every choice has something to change.
TEST_P(TypedChoiceTest, EnterAfterTypingAnEntryChoosesItAsAClickDoes)
{
    open({ "|8|3|1|2|3|4|5|6|7|8" });
    ASSERT_EQ(lines().size(), 56u);
    takeMessages();

    // What a click on the entry does, in a twin window.
    open({ "|8|3|1|2|3|4|5|6|7|8" });
    pick(box(), GetParam().typed);
    const std::string clicked = choiceSeen();
    const QString clickedCaption = caption();
    const Texts clickedMessages = takeMessages();

    open({ "|8|3|1|2|3|4|5|6|7|8" });
    takeMessages();
    const std::string before = choiceSeen();
    ASSERT_NE(before, clicked) << "the case must show a change";
    typeIntoBox();
    EXPECT_EQ(choiceSeen(), before) << "typing alone chose";
    QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(choiceSeen(), clicked);
    EXPECT_EQ(caption(), clickedCaption);
    EXPECT_EQ(takeMessages(), clickedMessages);
    EXPECT_EQ(box()->currentIndex(), box()->findText(GetParam().typed));
    // Nothing was computed: the list is the one the preload made.
    EXPECT_EQ(lines().size(), 56u);
}

TEST_P(TypedChoiceTest, TypingThenLeavingTheBoxChoosesNothing)
{
    open({ "|8|3|1|2|3|4|5|6|7|8" });
    takeMessages();
    const std::string before = choiceSeen();
    typeIntoBox();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(choiceSeen(), before);
    EXPECT_TRUE(takeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, TypedChoiceTest,
    testing::Values(TypedChoiceCase { "HorseCount", 0, QStringLiteral("10") },
        TypedChoiceCase { "BetSize", 1, QStringLiteral("5") }, TypedChoiceCase { "Base", 2, QStringLiteral("1") }),
    [](const testing::TestParamInfo<TypedChoiceCase>& info) { return info.param.name; });

// The first thing a new player tries: the horse count typed, then Enter.
TEST_F(WindowTest, TypingTheHorseCountThenEnterOffersTheBetSize)
{
    ui().NombreChevaux->setFocus();
    QTest::keyClicks(ui().NombreChevaux->lineEdit(), "10");
    QTest::keyClick(ui().NombreChevaux->lineEdit(), Qt::Key_Return);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_TRUE(ui().Jeu->isVisibleTo(&window()));
    EXPECT_TRUE(ui().Text1[9]->isVisibleTo(&window()));
    EXPECT_TRUE(ui().Text1[10]->isHidden());
    EXPECT_EQ(caption(), "Choisir maintenant le type de jeu");
}

// A text that names no entry is still the computation's to judge, as before.
TEST_F(WindowTest, EnterAfterTypingATextThatIsNoEntryComputes)
{
    open({ "|8|3|1|2|3|4|5|6|7|8" });
    ui().Jeu->setFocus();
    ui().Jeu->lineEdit()->selectAll();
    QTest::keyClicks(ui().Jeu->lineEdit(), "abc");
    QTest::keyClick(ui().Jeu->lineEdit(), Qt::Key_Return);
    const Texts messages = takeMessages();
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.front(), "Vous devez choisir un type de jeu.");
}

// Each line's numbers, whatever their order.
std::vector<std::multiset<int>> NumbersOfEachLine(const Texts& lines)
{
    std::vector<std::multiset<int>> sets;
    for (const std::string& line : lines) {
        std::multiset<int> numbers;
        std::string number;
        for (const char c : line + "-") {
            if (c == '-') {
                if (!number.empty()) {
                    numbers.insert(std::stoi(number));
                }
                number.clear();
            } else {
                number.push_back(c);
            }
        }
        sets.push_back(std::move(numbers));
    }
    return sets;
}

class UndoFromAnywhereTest : public WindowTest, public testing::WithParamInterface<std::string> {
protected:
    QWidget* control() const { return window().findChild<QWidget*>(QString::fromStdString(GetParam())); }
};

TEST_P(UndoFromAnywhereTest, CtrlZAndCtrlShiftZReachTheList)
{
    open({ "|5|3|3|7|12|1|9" });
    ASSERT_EQ(lines().size(), 10u);
    ui().garde->setEditText(QStringLiteral("7"));
    click(ui().Command3);
    ASSERT_EQ(lines().size(), 6u);
    QWidget* focus = control();
    ASSERT_NE(focus, nullptr);
    focus->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focus);
    // The toolbar button's shortcut presses it the way the eye sees it, and clicks on release.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QTest::qWait(150);
    EXPECT_EQ(lines().size(), 10u) << "undo";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(lines().size(), 6u) << "redo";
}

INSTANTIATE_TEST_SUITE_P(Table, UndoFromAnywhereTest,
    testing::Values(
        "Text1_0", "Text1_4", "txtscan_0", "NombreChevaux", "Jeu", "Base", "garde", "supp", "List1", "Picture10"),
    [](const testing::TestParamInfo<std::string>& info) { return info.param; });

TEST_F(WindowTest, CtrlMShufflesFromAnyControl)
{
    open({ "|6|3|1|2|3|4|5|6" });
    const Texts computed = lines();
    for (QWidget* focus : { static_cast<QWidget*>(ui().Text1[2]), static_cast<QWidget*>(ui().NombreChevaux),
             static_cast<QWidget*>(ui().List1), static_cast<QWidget*>(window().extensions().AnnulerJeu) }) {
        focus->setFocus();
        const Texts before = lines();
        // Twenty lines of three: that a shuffle leaves every one as it was has a chance of 6^-20.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_M, Qt::ControlModifier);
        EXPECT_NE(lines(), before) << ToStd(focus->objectName());
        EXPECT_EQ(NumbersOfEachLine(lines()), NumbersOfEachLine(computed)) << "a shuffle reorders within lines";
    }
    // The shuffle's button stays where it was, below the window's edge.
    EXPECT_EQ(ui().Command5->geometry(), QRect(144, 696, 33, 33));
    EXPECT_FALSE(window().rect().intersects(ui().Command5->geometry()));
}

QMenu* OpenListMenu(Form1& window)
{
    emit window.controls().List1->customContextMenuRequested(QPoint(10, 10));
    auto* menu = window.findChild<QMenu*>(QStringLiteral("MenuListe"));
    return menu;
}

TEST_F(WindowTest, TheListsMenuShufflesAndCopiesTheLines)
{
    open({ "|4|2|1|2|3|4" });
    QMenu* menu = OpenListMenu(window());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    ASSERT_EQ(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions()[0]->text(), "Mélanger les combinaisons");
    EXPECT_EQ(menu->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    EXPECT_EQ(menu->actions()[1]->text(), "Copier les combinaisons");
    menu->actions()[1]->trigger();
    menu->hide();
    EXPECT_EQ(ToStd(QGuiApplication::clipboard()->text()), "-1-2-\n-1-3-\n-1-4-\n-2-3-\n-2-4-\n-3-4-\n");
    EXPECT_EQ(lines(), (Texts { "-1-2-", "-1-3-", "-1-4-", "-2-3-", "-2-4-", "-3-4-" }));
    // Undo knows the shuffle from the menu as any other change.
    OpenListMenu(window())->actions()[0]->trigger();
    EXPECT_EQ(window().game().history().undoSteps(), 2u);
}

TEST_F(WindowTest, AnEmptyListsMenuOffersNothingAndCopiesNothing)
{
    QGuiApplication::clipboard()->setText(QStringLiteral("avant"));
    QMenu* menu = OpenListMenu(window());
    ASSERT_NE(menu, nullptr);
    for (const QAction* action : menu->actions()) {
        EXPECT_FALSE(action->isEnabled()) << ToStd(action->text());
    }
    menu->hide();
    window().listCommands().CopyCombinations();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "avant");
}

// A screen reader moves the focus with the accessible's focus action (AT-SPI's grabFocus).
TEST_F(WindowTest, AScreenReaderCanPutTheFocusOnThePictures)
{
    open({ "|5|3|1|2|3|4|5" });
    for (QWidget* picture : { static_cast<QWidget*>(ui().Picture10), static_cast<QWidget*>(ui().PictureJeux[2]) }) {
        ui().Text1[0]->setFocus();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(picture);
        ASSERT_NE(accessible->actionInterface(), nullptr);
        const QStringList actions = accessible->actionInterface()->actionNames();
        EXPECT_EQ(actions.value(0), QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(actions.contains(QAccessibleActionInterface::setFocusAction())) << ToStd(actions.join(','));
        accessible->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
        EXPECT_EQ(QApplication::focusWidget(), picture) << ToStd(picture->objectName());
        EXPECT_TRUE(accessible->state().focused);
    }
    // Moving the focus presses nothing.
    EXPECT_EQ(lines().size(), 10u);
    EXPECT_EQ(window().game().history().undoSteps(), 1u);
}

// The share of the control's outer band, kWidth pixels deep, that changes plainly when the control takes the focus.
double ChangedEdge(const QImage& without, const QImage& with)
{
    int edge = 0;
    int changed = 0;
    const int depth = FocusRing::kWidth;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            if (x >= depth && y >= depth && x < with.width() - depth && y < with.height() - depth) {
                continue;
            }
            ++edge;
            const QColor a = without.pixelColor(x, y);
            const QColor b = with.pixelColor(x, y);
            const int distance
                = std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            changed += distance >= 150 ? 1 : 0;
        }
    }
    return edge ? static_cast<double>(changed) / edge : 0;
}

TEST_F(WindowTest, EveryFocusedControlShowsAFrameThatCanBeSeen)
{
    open({ "|8|3|3|7|12|1|9|15|4|8" });
    pick(ui().Base, "1");
    std::vector<QWidget*> stops;
    ui().NombreChevaux->setFocus();
    for (int step = 0; step < 100; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (!stops.empty() && focus == stops.front()) {
            break;
        }
        stops.push_back(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    ASSERT_GE(stops.size(), 30u);
    for (QWidget* control : stops) {
        QApplication::focusWidget()->clearFocus();
        ASSERT_EQ(QApplication::focusWidget(), nullptr) << ToStd(control->objectName());
        const QImage without = control->grab().toImage();
        control->setFocus();
        const QImage with = control->grab().toImage();
        EXPECT_GE(ChangedEdge(without, with), 0.9) << ToStd(control->objectName());
    }
}

TEST_F(WindowTest, TheFrameLeavesWithTheFocus)
{
    open({ "|5|3|1|2|3|4|5" });
    QWidget* button = window().extensions().OuvrirJeu;
    const QImage plain = button->grab().toImage();
    button->setFocus();
    ui().List1->setFocus();
    EXPECT_EQ(button->grab().toImage(), plain);
}

} // namespace
} // namespace ornal::testing_support
