// Every control can be reached and used with the keyboard alone and is named for screen readers; the choices react
// only to the player's picks; the marks are drawn whole; the window stays on small scaled screens.
#include "windowfixture.h"

#include "ui/dialogplacement.h"
#include "ui/qtbridge.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QTest>

namespace ornal::testing_support {
namespace {

using Names = std::vector<std::string>;

QString FocusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QStringLiteral("(none)");
}

// The order in which Tab visits the controls, from NombreChevaux until it comes back.
Names TabWalk(QWidget* start)
{
    Names walk;
    start->setFocus();
    for (int step = 0; step < 200; ++step) {
        walk.push_back(ToStd(FocusName()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (QApplication::focusWidget() == start) {
            break;
        }
    }
    return walk;
}

TEST_F(WindowTest, TabFollowsTheDesignOrderThroughEveryVisibleControl)
{
    open({ "|8|3|3|7|12|1|9|15|4|8" });
    pick(ui().Base, "1");
    // Bets of 3: result boxes 0 to 2, marks 0 to 2, the logos Trio (2) and Tiercé (3).
    const Names expected = { "NombreChevaux", "Jeu", "Base", "Text1_0", "Text1_1", "Text1_2", "Text1_3", "Text1_4",
        "Text1_5", "Text1_6", "Text1_7", "Command1", "Command7", "Command6", "Command8", "OuvrirJeu", "EnregistrerJeu",
        "ImprimerJeu", "AnnulerJeu", "CoutGains", "ReduireJeu", "Check1_2", "Check1_1", "Check1_0", "PictureJeux_3",
        "PictureJeux_2", "List1", "Command2", "txtscan_2", "txtscan_1", "txtscan_0", "Command4", "supp", "Command3",
        "garde", "Picture10" };
    EXPECT_EQ(TabWalk(ui().NombreChevaux), expected);
}

TEST_F(WindowTest, FocusNeverLandsOnControlsBelowTheWindow)
{
    open({ "|8|3|3|7|12|1|9|15|4|8" });
    for (const QWidget* unseen : { static_cast<QWidget*>(ui().Valider), static_cast<QWidget*>(ui().Command5),
             static_cast<QWidget*>(ui().List2) }) {
        EXPECT_EQ(unseen->focusPolicy(), Qt::NoFocus) << ToStd(unseen->objectName());
    }
    const Names walk = TabWalk(ui().NombreChevaux);
    for (const char* unseen : { "Valider", "Command5", "List2" }) {
        EXPECT_EQ(std::count(walk.begin(), walk.end(), unseen), 0) << unseen;
    }
}

// Qt reports an editable box's text as chosen when it matches an entry and the box loses the focus.
TEST_F(WindowTest, LeavingADropDownBoxDoesNotRunItsChoiceAgain)
{
    open({ "|8|3|3|7|12|1|9|15|4|8" });
    pick(ui().Base, "1");
    click(ui().Check1[0]);
    ASSERT_TRUE(ui().Check1[0]->isChecked());
    const QString captionBefore = caption();
    ui().NombreChevaux->setFocus();
    ui().NombreChevaux->lineEdit()->selectAll();
    QTest::keyClicks(ui().NombreChevaux->lineEdit(), "8");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(ui().Check1[0]->isChecked());
    EXPECT_EQ(caption(), captionBefore);
    EXPECT_TRUE(takeMessages().empty());
}

struct EnterCase {
    std::string name;
    int box; // -1: NombreChevaux, -2: Jeu, -3: Base, otherwise the number box
};

class EnterComputesTest : public WindowTest, public testing::WithParamInterface<EnterCase> { };

TEST_P(EnterComputesTest, EnterInTheSelectionComputes)
{
    pick(ui().NombreChevaux, "5");
    pick(ui().Jeu, "3");
    for (int i = 0; i < 5; ++i) {
        type(ui().Text1[i], QString::number(i + 1));
    }
    const int box = GetParam().box;
    QWidget* target = box >= 0 ? static_cast<QWidget*>(ui().Text1[box])
        : box == -1            ? static_cast<QWidget*>(ui().NombreChevaux)
        : box == -2            ? static_cast<QWidget*>(ui().Jeu)
                               : static_cast<QWidget*>(ui().Base);
    target->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(lines().size(), 10u);
    EXPECT_EQ(caption(), "Combinaisons : 10");
}

INSTANTIATE_TEST_SUITE_P(Table, EnterComputesTest,
    testing::Values(EnterCase { "FirstNumberBox", 0 }, EnterCase { "LastNumberBox", 4 },
        EnterCase { "NombreChevaux", -1 }, EnterCase { "Jeu", -2 }, EnterCase { "Base", -3 }),
    [](const testing::TestParamInfo<EnterCase>& info) { return info.param.name; });

TEST_F(WindowTest, TheValiderPictureTakesTheFocusAndComputesOnSpaceAndEnter)
{
    for (const Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter }) {
        open({ "|5|3|1|2|3|4|5" });
        ui().Text1[4]->setText(QStringLiteral("9"));
        ui().Picture10->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), ui().Picture10);
        QTest::keyClick(ui().Picture10, key);
        EXPECT_EQ(lines().back(), "-3-4-9-") << key;
    }
}

std::string AccessibleName(QObject* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? ToStd(accessible->text(QAccessible::Name)) : std::string("(none)");
}

QAccessible::Role AccessibleRole(QObject* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->role() : QAccessible::NoRole;
}

TEST_F(WindowTest, ScreenReadersHearEveryControlsName)
{
    EXPECT_EQ(AccessibleName(&window()), "Programme Ornal");
    EXPECT_EQ(AccessibleRole(&window()), QAccessible::Dialog);
    const std::pair<QObject*, const char*> named[] = { { ui().Text1[0], "Numéro 1" }, { ui().Text1[19], "Numéro 20" },
        { ui().Check1[0], "Base sur le numéro 1" }, { ui().Check1[19], "Base sur le numéro 20" },
        { ui().txtscan[0], "Résultat 1" }, { ui().txtscan[4], "Résultat 5" }, { ui().Command1, "Sortir du programme" },
        { ui().Command7, "Exporter vers Microsoft Excel" }, { ui().Command6, "Site Galopia" },
        { ui().Command8, "Version programme" }, { ui().Command2, "Lancer la recherche" }, { ui().Command3, "Garder" },
        { ui().Command4, "Supprimer" }, { ui().Picture10, "Valider le calcul" },
        { window().extensions().ReduireJeu, "Réduire le jeu" } };
    for (const auto& [control, name] : named) {
        EXPECT_EQ(AccessibleName(control), name) << ToStd(control->objectName());
    }
    EXPECT_EQ(AccessibleRole(ui().Picture10), QAccessible::Button);
    // A drop-down box is named by its label, through the label's relation, and by its own accessible name.
    const std::pair<QComboBox*, const char*> boxes[] = { { ui().NombreChevaux, "Nombre" }, { ui().Jeu, "Jeu" },
        { ui().Base, "Base" }, { ui().garde, "Uniquement le" }, { ui().supp, "Supprimer le" } };
    for (const auto& [box, name] : boxes) {
        EXPECT_EQ(ToStd(box->accessibleName()), name);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(box);
        const auto labels = accessible->relations(QAccessible::Label);
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [name = name](const auto& label) {
            return ToStd(label.first->text(QAccessible::Name)).rfind(name, 0) == 0;
        })) << name;
    }
    EXPECT_EQ(AccessibleRole(ui().PictureJeux[6]), QAccessible::Button);
}

TEST_F(WindowTest, PressingTheValiderPictureThroughAccessibilityComputes)
{
    open({ "|5|3|1|2|3|4|5" });
    ui().Text1[4]->setText(QStringLiteral("9"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(ui().Picture10);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(lines().back(), "-3-4-9-");
}

// The refusal stops before the prediction is read: an export afterwards must still describe the list shown.
TEST_F(WindowTest, ARefusedBetSizeKeepsTheSelectionText)
{
    open({ "|5|3|3|7|12|1|9" });
    ASSERT_EQ(window().game().lastSelectionText(), "-3-7-12-1-9");
    ui().Jeu->setEditText(QStringLiteral(" "));
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), (std::vector<std::string> { "Vous devez choisir un type de jeu." }));
    EXPECT_EQ(window().game().lastSelectionText(), "-3-7-12-1-9");
    EXPECT_EQ(lines().size(), 10u);
}

// The marks are 9 by 13 pixels: the tick box must show its four edges, the right and bottom ones included.
TEST_F(WindowTest, TheTickBoxFitsTheNarrowMark)
{
    open({ "|8|3|3|7|12|1|9|15|4|8" });
    pick(ui().Base, "1");
    click(ui().Check1[0]);
    const QImage image = ui().Check1[0]->grab().toImage();
    ASSERT_EQ(image.width(), 9);
    int darkRight = 0;
    int darkLeft = 0;
    for (int y = 0; y < image.height(); ++y) {
        darkLeft += qGray(image.pixel(0, y)) < 128 ? 1 : 0;
        darkRight += qGray(image.pixel(image.width() - 1, y)) < 128 ? 1 : 0;
    }
    EXPECT_GE(darkLeft, 7);
    EXPECT_GE(darkRight, 7);
    int bottom = -1;
    for (int y = image.height() - 1; y >= 0 && bottom < 0; --y) {
        int dark = 0;
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
        bottom = dark >= 7 ? y : -1;
    }
    EXPECT_GE(bottom, 0) << "no bottom edge";
}

struct ScreenCase {
    std::string name;
    QRect area;
    QPoint expected;
};

class CentringTest : public testing::TestWithParam<ScreenCase> { };

// The window is 355 by 574 pixels (5325 by 8610 twips). 1024 by 768 at a scale of 1.5 leaves 683 by 512 logical
// pixels, at 2 only 512 by 384: centred, the window would start above the screen. A QRect's centre rounds down:
// (left + right) / 2 with right = left + width - 1.
TEST_P(CentringTest, KeepsTheTopLeftCornerOnTheScreen)
{
    EXPECT_EQ(CentredTopLeft(GetParam().area, QSize(355, 574)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CentringTest,
    testing::Values(ScreenCase { "FullHd", QRect(0, 0, 1920, 1040), QPoint(782, 232) },
        ScreenCase { "ScaledOneAndAHalf", QRect(0, 0, 683, 512), QPoint(164, 0) },
        ScreenCase { "ScaledTwice", QRect(0, 0, 512, 384), QPoint(78, 0) },
        ScreenCase { "PanelOnTop", QRect(0, 30, 512, 354), QPoint(78, 30) }),
    [](const testing::TestParamInfo<ScreenCase>& info) { return info.param.name; });

} // namespace
} // namespace ornal::testing_support
