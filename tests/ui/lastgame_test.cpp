// The game kept when the window closes is one worth reopening: a window that ends with no line keeps the one before.
#include "document/gamefile.h"
#include "filetesting.h"
#include "windowfixture.h"

#include <QTest>

#include <functional>

namespace ornal::testing_support {
namespace {

class LastGameTest;

struct EmptyEndCase {
    std::string name;
    QStringList arguments; // the second session's command line
    std::function<void(LastGameTest&)> play; // what the player does in it before closing
};

class LastGameTest : public WindowTest, public testing::WithParamInterface<EmptyEndCase> {
public:
    using WindowTest::prepare;
    using WindowTest::ui;
    using WindowTest::window;
};

TEST_P(LastGameTest, AWindowEndingWithoutLinesKeepsTheLastGame)
{
    // Fifteen lines, kept at the close.
    prepare(6, 2, { "1", "2", "3", "4", "5", "6" });
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 15u);
    window().close();
    const std::string kept = ContentOf(m_lastGameFile);
    ASSERT_FALSE(kept.empty());

    open(GetParam().arguments);
    GetParam().play(*this);
    ASSERT_TRUE(lines().empty());
    window().close();
    EXPECT_EQ(ContentOf(m_lastGameFile), kept);

    // And the fifteen lines come back.
    open({});
    window().files().ReopenLastGame();
    EXPECT_EQ(lines().size(), 15u);
}

INSTANTIATE_TEST_SUITE_P(Table, LastGameTest,
    testing::Values(
        // A preload the computation refuses ("Entrez un Numéro."): the choices are shown, the list is empty.
        EmptyEndCase { "RefusedPreload", { QStringLiteral("|10|5|1-2-3-4-5-6-7-8-9-10") }, [](LastGameTest&) {} },
        // Choices made, nothing computed.
        EmptyEndCase { "ChoicesOnly", {},
            [](LastGameTest& test) {
                test.prepare(8, 3, { "1", "2", "3" });
            } },
        // A list computed, then undone.
        EmptyEndCase { "UndoneToNothing", { QStringLiteral("|5|3|1|2|3|4|5") },
            [](LastGameTest& test) { test.window().listCommands().UndoListChange(); } }),
    [](const testing::TestParamInfo<EmptyEndCase>& info) { return info.param.name; });

// Any line at all is the player's work: it replaces the game kept before.
TEST_F(WindowTest, AWindowEndingWithALineReplacesTheLastGame)
{
    prepare(6, 2, { "1", "2", "3", "4", "5", "6" });
    click(ui().Picture10);
    window().close();
    open({ QStringLiteral("|3|3|7|8|9") });
    ASSERT_EQ(lines().size(), 1u);
    window().close();
    const GameLoadOutcome kept = LoadGame(m_lastGameFile);
    ASSERT_TRUE(kept.ok()) << kept.refusalText();
    EXPECT_EQ(LinesOf(kept->list), std::vector<std::string> { "-7-8-9-" });
}

// A computation refused after a list was made leaves that list on screen: it is still the game kept at the close.
TEST_F(WindowTest, AListLeftByARefusedComputationIsKept)
{
    prepare(6, 2, { "1", "2", "3", "4", "5", "6" });
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 15u);
    ui().Text1[1]->setText(QStringLiteral("1"));
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 15u);
    window().close();
    const GameLoadOutcome kept = LoadGame(m_lastGameFile);
    ASSERT_TRUE(kept.ok()) << kept.refusalText();
    EXPECT_EQ(kept->list.size(), 15u);
}

} // namespace
} // namespace ornal::testing_support
