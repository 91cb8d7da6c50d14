// Undo and redo of every change of the list, from the window.
#include "document/gamefile.h"
#include "filetesting.h"
#include "windowfixture.h"

#include <QTest>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

// What undo brings back: the lines, the count caption and SelectionText.
struct ListSeen {
    Texts lines;
    std::string caption;
    std::string selectionText;

    bool operator==(const ListSeen&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ListSeen& seen)
{
    out << seen.caption << " / " << seen.selectionText << " /";
    for (const std::string& line : seen.lines) {
        out << ' ' << line;
    }
    return out;
}

class UndoTest : public WindowTest {
protected:
    ListSeen seen() const { return { lines(), caption().toStdString(), window().game().lastSelectionText() }; }

    // A button's shortcut clicks it as the eye sees it: pressed, then released a moment later.
    void undoByKey()
    {
        ui().List1->setFocus();
        QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier);
        QTest::qWait(150);
    }

    void undo() { click(window().extensions().AnnulerJeu); }

    void redoByKey()
    {
        ui().List1->setFocus();
        QTest::keyClick(&window(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }

    void keep(const QString& number)
    {
        ui().garde->setEditText(number);
        click(ui().Command3);
    }

    void remove(const QString& number)
    {
        ui().supp->setEditText(number);
        click(ui().Command4);
    }
};

TEST_F(UndoTest, EveryChangeOfTheListIsUndoneThenRedone)
{
    ScratchFolder folder;
    SavedGame other;
    other.selectionText = "-20-19";
    other.list = MakeList({ "-20-19-" });
    ASSERT_TRUE(SaveGame(folder / "autre.ornal", other).ok());

    prepare(5, 3, { "3", "7", "12", "1", "9" });
    std::vector<ListSeen> states { seen() };
    EXPECT_EQ(states[0], (ListSeen { {}, "Choisir maintenant le type de jeu", "" }));

    // C(5, 3) in the order of the boxes.
    click(ui().Picture10);
    states.push_back(seen());
    EXPECT_EQ(states[1],
        (ListSeen { { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-3-12-1-", "-3-12-9-", "-3-1-9-", "-7-12-1-", "-7-12-9-",
                        "-7-1-9-", "-12-1-9-" },
            "Combinaisons : 10", "-3-7-12-1-9" }));
    keep("7");
    states.push_back(seen());
    EXPECT_EQ(states[2].lines, (Texts { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-7-12-1-", "-7-12-9-", "-7-1-9-" }));
    remove("12");
    states.push_back(seen());
    EXPECT_EQ(states[3].lines, (Texts { "-3-7-1-", "-3-7-9-", "-7-1-9-" }));
    click(ui().Command5);
    states.push_back(seen());
    ui().Text1[0]->setText(QStringLiteral("5"));
    click(ui().Picture10);
    states.push_back(seen());
    EXPECT_EQ(states[5].selectionText, "-5-7-12-1-9");
    m_fileAnswers.push_back(folder / "autre.ornal");
    click(window().extensions().OuvrirJeu);
    states.push_back(seen());
    EXPECT_EQ(states[6], (ListSeen { { "-20-19-" }, "Combinaisons : 1", "-20-19" }));

    // Back through every change, by the button and by Ctrl+Z in turn.
    for (std::size_t i = states.size() - 1; i > 0; --i) {
        if (i % 2 == 0) {
            undo();
        } else {
            undoByKey();
        }
        EXPECT_EQ(seen(), states[i - 1]) << "undo to step " << i - 1;
    }
    undoByKey();
    EXPECT_EQ(seen(), states[0]) << "nothing more to undo";
    for (std::size_t i = 1; i < states.size(); ++i) {
        redoByKey();
        EXPECT_EQ(seen(), states[i]) << "redo to step " << i;
    }
    redoByKey();
    EXPECT_EQ(seen(), states.back()) << "nothing more to redo";
    // The two filters' questions, and nothing else.
    EXPECT_EQ(takeMessages().size(), 2u);
}

TEST_F(UndoTest, ANewChangeAfterAnUndoForgetsTheRedo)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" });
    click(ui().Picture10);
    keep("7");
    undoByKey();
    EXPECT_EQ(caption(), "Combinaisons : 10");
    remove("3");
    const ListSeen afterRemove = seen();
    EXPECT_EQ(afterRemove.lines, (Texts { "-7-12-1-", "-7-12-9-", "-7-1-9-", "-12-1-9-" }));
    redoByKey();
    EXPECT_EQ(seen(), afterRemove);
    undoByKey();
    EXPECT_EQ(caption(), "Combinaisons : 10");
}

TEST_F(UndoTest, AQuestionAnsweredNoOrARefusedComputationIsNoStep)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" });
    click(ui().Picture10);
    m_answers.push_back(false);
    keep("7");
    ui().Text1[1]->setText(QStringLiteral("3"));
    click(ui().Picture10); // "Numéro déjà saisi."
    EXPECT_EQ(window().game().history().undoSteps(), 1u);
    undoByKey();
    EXPECT_EQ(seen(), (ListSeen { {}, "Choisir maintenant le type de jeu", "" }));
}

TEST_F(UndoTest, TwentyStepsAtLeastAreKept)
{
    prepare(6, 3, { "1", "2", "3", "4", "5", "6" });
    click(ui().Picture10);
    std::vector<Texts> shuffled { lines() };
    for (int step = 0; step < 25; ++step) {
        click(ui().Command5);
        shuffled.push_back(lines());
    }
    for (int step = 25; step > 0; --step) {
        undo();
        EXPECT_EQ(lines(), shuffled[static_cast<std::size_t>(step - 1)]) << step;
    }
}

} // namespace
} // namespace ornal::testing_support
