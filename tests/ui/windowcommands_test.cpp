// Each command with a shortcut or a menu entry is one action: its button, its menu entry and its keys all trigger
// that very action, wherever the focus is in the window.
#include "windowfixture.h"

#include <QAction>
#include <QApplication>
#include <QKeyCombination>
#include <QKeySequence>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace ornal::testing_support {
namespace {

struct CommandCase {
    const char* action;
    QKeyCombination keys; // Qt::Key_unknown for none
    const char* button; // nullptr for none
    const char* menu; // the menu that offers it, nullptr for none
};

class WindowCommandsTest : public WindowTest, public testing::WithParamInterface<CommandCase> { };

TEST_P(WindowCommandsTest, ButtonMenuAndKeysAreOneAction)
{
    const CommandCase& c = GetParam();
    open({ "|4|2|1|2|3|4" });
    auto* action = window().findChild<QAction*>(QString::fromLatin1(c.action));
    ASSERT_NE(action, nullptr) << c.action;
    EXPECT_TRUE(action->isEnabled());
    // The command's own work is not under test here: only what reaches the action.
    QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
    QSignalSpy triggered(action, &QAction::triggered);
    int expected = 0;

    if (c.menu) {
        auto* menu = window().findChild<QMenu*>(QString::fromLatin1(c.menu));
        ASSERT_NE(menu, nullptr) << c.menu;
        EXPECT_TRUE(menu->actions().contains(action)) << c.menu;
    }
    if (c.button) {
        auto* button = window().findChild<QPushButton*>(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr) << c.button;
        EXPECT_TRUE(button->shortcut().isEmpty()) << "a key of the button's own would be ambiguous with the action's";
        click(button);
        EXPECT_EQ(triggered.count(), ++expected) << "the button's click";
    }
    if (c.keys.key() != Qt::Key_unknown) {
        EXPECT_EQ(action->shortcut(), QKeySequence(c.keys));
        EXPECT_EQ(action->shortcutContext(), Qt::WindowShortcut);
        // From the list, as from any control of the window.
        ui().List1->setFocus();
        QTest::keyClick(QApplication::focusWidget(), c.keys.key(), c.keys.keyboardModifiers());
        EXPECT_EQ(triggered.count(), ++expected) << "the keys";
    }
}

constexpr QKeyCombination kNoKeys { Qt::Key_unknown };

INSTANTIATE_TEST_SUITE_P(Table, WindowCommandsTest,
    testing::Values(
        CommandCase { "OuvrirUnJeu", QKeyCombination(Qt::ControlModifier, Qt::Key_O), "OuvrirJeu", "MenuOuvrirJeu" },
        CommandCase { "RouvrirDernierJeu", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_O), nullptr,
            "MenuOuvrirJeu" },
        CommandCase {
            "Enregistrer", QKeyCombination(Qt::ControlModifier, Qt::Key_S), "EnregistrerJeu", "MenuEnregistrerJeu" },
        CommandCase { "EnregistrerSous", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_S), nullptr,
            "MenuEnregistrerJeu" },
        CommandCase { "Imprimer", QKeyCombination(Qt::ControlModifier, Qt::Key_P), "ImprimerJeu", nullptr },
        CommandCase { "Annuler", QKeyCombination(Qt::ControlModifier, Qt::Key_Z), "AnnulerJeu", "MenuAnnulerJeu" },
        CommandCase { "Retablir", QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z), nullptr,
            "MenuAnnulerJeu" },
        CommandCase { "CoutEtGains", QKeyCombination(Qt::ControlModifier, Qt::Key_G), "CoutGains", nullptr },
        CommandCase { "PartantsCotes", QKeyCombination(Qt::ControlModifier, Qt::Key_K), nullptr, nullptr },
        CommandCase { "ReduireLeJeu", QKeyCombination(Qt::ControlModifier, Qt::Key_R), "ReduireJeu", nullptr },
        CommandCase {
            "MelangerCombinaisons", QKeyCombination(Qt::ControlModifier, Qt::Key_M), "Command5", "MenuListe" },
        CommandCase { "CopierCombinaisons", kNoKeys, nullptr, "MenuListe" }),
    [](const testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.action); });

// The commands on the lines are offered while there are lines, and only then.
TEST_F(WindowTest, TheListsCommandsFollowTheList)
{
    const auto offered = [this] {
        return std::pair { window().findChild<QAction*>(QStringLiteral("MelangerCombinaisons"))->isEnabled(),
            window().findChild<QAction*>(QStringLiteral("CopierCombinaisons"))->isEnabled() };
    };
    EXPECT_EQ(offered(), std::pair(false, false));
    open({ "|4|2|1|2|3|4" });
    EXPECT_EQ(offered(), std::pair(true, true));
    ui().supp->setEditText(QStringLiteral("1"));
    click(ui().Command4);
    ui().supp->setEditText(QStringLiteral("2"));
    click(ui().Command4);
    ui().supp->setEditText(QStringLiteral("3"));
    click(ui().Command4);
    ASSERT_TRUE(lines().empty());
    EXPECT_EQ(offered(), std::pair(false, false));
    click(window().extensions().AnnulerJeu);
    EXPECT_EQ(offered(), std::pair(true, true));
}

} // namespace
} // namespace ornal::testing_support
