// The dialog "Réduire le jeu" as a further tab sees it: prepared on each opening, Appliquer for the tab shown only,
// Annuler reaching every tab, and Tab reaching the tab's controls before the buttons.
#include "ui/reducedialog.h"
#include "ui/reducetab.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace ornal {
namespace {

class RecordingTab : public ReduceTab {
public:
    explicit RecordingTab(bool closes)
        : m_closes(closes)
    {
        edit = new QLineEdit(this);
    }
    void prepare() override { ++prepared; }
    bool apply() override
    {
        ++applied;
        return m_closes;
    }
    void cancel() override { ++cancelled; }

    QLineEdit* edit;
    int prepared = 0;
    int applied = 0;
    int cancelled = 0;

private:
    bool m_closes;
};

TEST(ReduceDialogTabs, EachTabIsPreparedAndOnlyTheShownOneApplies)
{
    QWidget window;
    window.show();
    auto* dialog = new ReduceDialog(&window);
    auto* first = new RecordingTab(false);
    auto* second = new RecordingTab(true);
    dialog->addTab(first, QStringLiteral("Conditions"));
    dialog->addTab(second, QStringLiteral("Garantie"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("Appliquer"));
    ASSERT_NE(apply, nullptr);

    dialog->open();
    EXPECT_EQ(first->prepared, 1);
    EXPECT_EQ(second->prepared, 1);
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(first->applied, 1);
    EXPECT_EQ(second->applied, 0);
    EXPECT_TRUE(dialog->isVisible()); // the first tab said no

    dialog->tabs()->setCurrentIndex(1);
    QTest::mouseClick(apply, Qt::LeftButton);
    EXPECT_EQ(second->applied, 1);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    dialog->open();
    EXPECT_EQ(first->prepared, 2);
    QTest::keyClick(second->edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(first->cancelled, 1);
    EXPECT_EQ(second->cancelled, 1);
    EXPECT_EQ(first->applied + second->applied, 2);
}

TEST(ReduceDialogTabs, TabReachesALaterTabsControlsBeforeTheButtons)
{
    QWidget window;
    auto* dialog = new ReduceDialog(&window);
    auto* first = new RecordingTab(true);
    auto* second = new RecordingTab(true);
    dialog->addTab(first, QStringLiteral("Conditions"));
    dialog->addTab(second, QStringLiteral("Garantie"));
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("Appliquer"));
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("Annuler"));
    EXPECT_EQ(first->edit->nextInFocusChain(), second);
    EXPECT_EQ(second->edit->nextInFocusChain(), apply);
    EXPECT_EQ(apply->nextInFocusChain(), cancel);
}

} // namespace
} // namespace ornal
