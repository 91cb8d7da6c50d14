// The dialogs open beside the window, wholly on the screen, and keep one size whatever they show.
#include "ui/coutgainsdialog.h"
#include "ui/dialogplacement.h"
#include "ui/reducedialog.h"
#include "ui/runnersdialog.h"
#include "windowfixture.h"

#include <QApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <algorithm>

namespace ornal::testing_support {
namespace {

struct BesideCase {
    std::string name;
    QRect area;
    QRect window;
    QSize dialog;
    QPoint expected;
};

class BesideTest : public testing::TestWithParam<BesideCase> { };

// The window's frame is 355 by 600 pixels; dialogs of 430 by 500.
TEST_P(BesideTest, PutsTheDialogWhereTheScreenHasRoom)
{
    const BesideCase& c = GetParam();
    const QPoint at = BesideTopLeft(c.area, c.window, c.dialog);
    EXPECT_EQ(at, c.expected);
    EXPECT_TRUE(c.area.contains(QRect(at, c.dialog))) << "off the screen";
}

INSTANTIATE_TEST_SUITE_P(Table, BesideTest,
    testing::Values(
        // Room on both sides: the right one.
        BesideCase { "Centred", QRect(0, 0, 1920, 1040), QRect(782, 220, 355, 600), QSize(430, 500), { 1137, 220 } },
        // Room on the left only.
        BesideCase {
            "AtTheRightEdge", QRect(0, 0, 1920, 1040), QRect(1500, 100, 355, 600), QSize(430, 500), { 1070, 100 } },
        // The area may start away from the origin (a panel, a second screen).
        BesideCase {
            "SecondScreen", QRect(1920, 30, 1280, 994), QRect(1930, 40, 355, 600), QSize(430, 500), { 2285, 40 } },
        // A dialog taller than what lies below the window's top moves up to stay on the screen.
        BesideCase { "LowWindow", QRect(0, 0, 1366, 738), QRect(100, 500, 355, 600), QSize(430, 500), { 455, 238 } },
        // Room on neither side: against the screen's edge on the roomier side, over as little of the window as can be.
        BesideCase {
            "NarrowScreenMoreRoomRight", QRect(0, 0, 800, 600), QRect(100, 0, 355, 600), QSize(430, 500), { 370, 0 } },
        BesideCase {
            "NarrowScreenMoreRoomLeft", QRect(0, 0, 800, 600), QRect(345, 0, 355, 600), QSize(430, 500), { 0, 0 } }),
    [](const testing::TestParamInfo<BesideCase>& info) { return info.param.name; });

class DialogBesideWindowTest : public WindowTest {
protected:
    QRect screenArea() const { return window().screen()->availableGeometry(); }

    // The window against the left or the right edge of the screen.
    void moveWindow(bool left)
    {
        const QRect area = screenArea();
        window().move(left ? area.left() : area.right() + 1 - window().frameGeometry().width(), area.top());
    }

    // The dialog's frame is the window's frame's margins around its size, as placing it assumes.
    QRect frameOf(const QWidget* dialog) const
    {
        const QSize margins = window().frameGeometry().size() - window().size();
        return QRect(dialog->pos(), dialog->size() + margins);
    }

    // Beside the window on the side given when the screen has room there, otherwise over as little of it as can be.
    void expectBeside(const QWidget* dialog, bool right)
    {
        const QRect frame = frameOf(dialog);
        const QRect main = window().frameGeometry();
        const QRect area = screenArea();
        EXPECT_TRUE(area.contains(frame)) << "off the screen";
        const int room = right ? area.right() - main.right() : main.left() - area.left();
        if (room < frame.width()) {
            const int otherRoom = right ? main.left() - area.left() : area.right() - main.right();
            EXPECT_EQ(frame.intersected(main).width(), frame.width() - std::max(room, otherRoom));
            return;
        }
        EXPECT_FALSE(frame.intersects(main)) << "over the window";
        if (right) {
            EXPECT_EQ(frame.left(), main.right() + 1);
        } else {
            EXPECT_EQ(frame.right() + 1, main.left());
        }
        EXPECT_EQ(frame.top(), main.top());
    }
};

TEST_F(DialogBesideWindowTest, CoutEtGainsOpensBesideAndKeepsItsSize)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    for (const bool left : { true, false }) {
        moveWindow(left);
        click(window().extensions().CoutGains);
        auto* dialog = window().findChild<CoutGainsDialog*>(QStringLiteral("CoutGainsDialog"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        expectBeside(dialog, left);
        // It opens where the finish is typed.
        QApplication::setActiveWindow(dialog);
        EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QLineEdit*>(QStringLiteral("Arrivee_0")));

        const QSize opened = dialog->size();
        // A finish that pays several classes, a refused one, rapports typed, another type: one size throughout.
        const char* finish[] = { "1", "2", "3", "4", "5" };
        for (int i = 0; i < 5; ++i) {
            dialog->findChild<QLineEdit*>(QStringLiteral("Arrivee_%1").arg(i))->setText(QString::fromLatin1(finish[i]));
        }
        click(dialog->findChild<QPushButton*>(QStringLiteral("Verifier")));
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), opened) << "after the check";
        for (int c = 0; c < 4; ++c) {
            if (auto* rapport = dialog->findChild<QLineEdit*>(QStringLiteral("Rapport_%1").arg(c));
                rapport && rapport->isVisible()) {
                rapport->setText(QStringLiteral("1 234 567,89 € et bien plus encore, beaucoup plus"));
            }
        }
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), opened) << "with rapports";
        dialog->findChild<QLineEdit*>(QStringLiteral("Arrivee_1"))->setText(QStringLiteral("1"));
        click(dialog->findChild<QPushButton*>(QStringLiteral("Verifier")));
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), opened) << "with a refusal";
        auto* types = dialog->findChild<QComboBox*>(QStringLiteral("TypeJeu"));
        types->setCurrentIndex(types->count() - 1);
        QApplication::processEvents();
        EXPECT_EQ(dialog->size(), opened) << "on another type";
        dialog->close();
    }
}

TEST_F(DialogBesideWindowTest, CoutEtGainsWithoutLinesOpensOnTheBetType)
{
    click(window().extensions().CoutGains);
    auto* dialog = window().findChild<CoutGainsDialog*>(QStringLiteral("CoutGainsDialog"));
    ASSERT_NE(dialog, nullptr);
    QApplication::setActiveWindow(dialog);
    EXPECT_EQ(QApplication::focusWidget(), dialog->findChild<QComboBox*>(QStringLiteral("TypeJeu")));
}

TEST_F(DialogBesideWindowTest, ReduireLeJeuOpensBesideAndKeepsItsSizeOnEveryTab)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    for (const bool left : { true, false }) {
        moveWindow(left);
        click(window().extensions().ReduireJeu);
        auto* dialog = window().findChild<ReduceDialog*>();
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        expectBeside(dialog, left);
        const QSize opened = dialog->size();
        for (int tab = 0; tab < dialog->tabs()->count(); ++tab) {
            dialog->tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            EXPECT_EQ(dialog->size(), opened) << "tab " << tab;
        }
        dialog->reject();
    }
}

TEST_F(DialogBesideWindowTest, PartantsEtCotesOpensBeside)
{
    for (const bool left : { true, false }) {
        moveWindow(left);
        window().costs().ShowRunners();
        auto* dialog = window().findChild<RunnersDialog*>(QStringLiteral("PartantsCotesDialog"));
        ASSERT_NE(dialog, nullptr);
        ASSERT_TRUE(dialog->isVisible());
        expectBeside(dialog, left);
        dialog->close();
    }
}

} // namespace
} // namespace ornal::testing_support
