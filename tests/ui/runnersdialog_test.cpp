// "Partants et cotes" and the chances it gives "Coût et gains" and the cost label, driven offscreen. The expected
// chances are worked out by hand in each test's comment.
#include "../betting/nobreak.h"
#include "ui/runnersdialog.h"
#include "windowfixture.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

namespace ornal::testing_support {
namespace {

class RunnersTest : public WindowTest {
protected:
    RunnersDialog* openRunners()
    {
        QTest::keyClick(&window(), Qt::Key_K, Qt::ControlModifier);
        RunnersDialog* dialog = window().findChild<RunnersDialog*>("PartantsCotesDialog");
        EXPECT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    static QTableWidget* table(RunnersDialog* dialog) { return dialog->findChild<QTableWidget*>("TablePartants"); }
    static void setCell(RunnersDialog* dialog, int row, int column, const QString& text)
    {
        QTableWidget* rows = table(dialog);
        if (QTableWidgetItem* item = rows->item(row, column)) {
            item->setText(text);
        } else {
            rows->setItem(row, column, new QTableWidgetItem(text));
        }
    }
    QString label(const char* dialogName, const char* name) const
    {
        const QWidget* dialog = window().findChild<QWidget*>(dialogName);
        const QLabel* found = dialog ? dialog->findChild<QLabel*>(name) : nullptr;
        return found && found->isVisible() ? found->text() : QStringLiteral("(caché)");
    }
    // Four horses 1 to 4 in bets of two, played as a Couplé ordre: the six lines i-j with i below j.
    void computeFourHorsePairs()
    {
        prepare(4, 2, { "1", "2", "3", "4" });
        click(ui().Picture10);
        takeMessages();
        window().costs().ChooseBetType(FindBetType("couple-ordre"));
    }
};

TEST_F(RunnersTest, PasteFillsTheRowsAndTheChancesFollow)
{
    computeFourHorsePairs();
    // Odds 2, 4, 8, 8 are chances 1/2, 1/4, 1/8, 1/8 (their inverses add up to 1). A line i-j pays when i wins and
    // j is second: p_i p_j / (1 - p_i). With 1 first: 1/4 + 1/8 + 1/8 = 1/2; with 2 first: 2 * (1/4 * 1/8) / (3/4)
    // = 1/12; 3 then 4: (1/8 * 1/8) / (7/8) = 1/56. In all 0.601190 = 60,12 %.
    m_clipboard = "1 Alpha 2\n2 Beta 4,0\nN° Nom\n3 Gamma 8\n4 Delta 8 (FR)\n";
    RunnersDialog* dialog = openRunners();
    ASSERT_NE(dialog, nullptr);
    click(dialog->findChild<QPushButton*>("CollerPartants"));
    EXPECT_EQ(dialog->message(), QStringLiteral("Ligne illisible : 3."));
    EXPECT_EQ(table(dialog)->item(1, 1)->text(), QStringLiteral("4"));
    EXPECT_EQ(window().game().runners(), (std::vector<Runner> { { 1, 2 }, { 2, 4 }, { 3, 8 }, { 4, 8 } }));
    EXPECT_EQ(window().extensions().CoutJeu->toolTip().toStdString(),
        NoBreak("6 mises de 1,50_€\nProbabilité de gain : 60,12_%"));

    click(window().extensions().CoutGains);
    EXPECT_EQ(label("CoutGainsDialog", "ProbabiliteGain").toStdString(), NoBreak("Probabilité de gain : 60,12_%"));
    EXPECT_EQ(label("CoutGainsDialog", "ProbabiliteClasse_0").toStdString(), NoBreak("Probabilité ordre : 60,12_%"));
    EXPECT_EQ(label("CoutGainsDialog", "ProbabiliteClasse_1"), QStringLiteral("(caché)"));
    EXPECT_EQ(label("CoutGainsDialog", "LignesPayeesMoyenne"), QStringLiteral("Lignes payées en moyenne : 0,60"));

    // A change of odds follows at once: at 8, 4, 2, 8 the chances are 1/8, 1/4, 1/2, 1/8. With 1 first:
    // 1/8 * (1/4 + 1/2 + 1/8) / (7/8) = 1/8; with 2 first: 1/4 * (1/2 + 1/8) / (3/4) = 5/24; 3 then 4:
    // 1/2 * 1/8 / (1/2) = 1/8. In all 11/24 = 45,83 %.
    setCell(dialog, 0, 1, QStringLiteral("8"));
    setCell(dialog, 2, 1, QStringLiteral("2"));
    EXPECT_EQ(label("CoutGainsDialog", "ProbabiliteGain").toStdString(), NoBreak("Probabilité de gain : 45,83_%"));
}

TEST_F(RunnersTest, TheButtonOfCostAndGainsOpensTheDialog)
{
    computeFourHorsePairs();
    click(window().extensions().CoutGains);
    EXPECT_EQ(label("CoutGainsDialog", "ChancesMessage"),
        QStringLiteral("Donnez les partants et leurs cotes pour savoir combien de fois le jeu paie."));
    QWidget* dialog = window().findChild<QWidget*>("CoutGainsDialog");
    ASSERT_NE(dialog, nullptr);
    click(dialog->findChild<QPushButton*>("PartantsCotes"));
    const RunnersDialog* runners = window().findChild<RunnersDialog*>("PartantsCotesDialog");
    ASSERT_NE(runners, nullptr);
    EXPECT_TRUE(runners->isVisible());
}

struct RowsCase {
    std::string name;
    std::vector<std::pair<QString, QString>> rows;
    QString message;
};

class RunnersRowsTest : public RunnersTest, public testing::WithParamInterface<RowsCase> { };

// Rows are read at each change: the one that brings a fault is said, and the window keeps the runners of the last
// sound rows.
TEST_P(RunnersRowsTest, FaultsAreSaidAndTheLastSoundRunnersKept)
{
    computeFourHorsePairs();
    RunnersDialog* dialog = openRunners();
    ASSERT_NE(dialog, nullptr);
    const std::vector<std::pair<QString, QString>>& rows = GetParam().rows;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        setCell(dialog, static_cast<int>(i), 0, rows[i].first);
        if (i + 1 < rows.size()) {
            setCell(dialog, static_cast<int>(i), 1, rows[i].second);
        }
    }
    const std::vector<Runner> before = window().game().runners();
    setCell(dialog, static_cast<int>(rows.size() - 1), 1, rows.back().second);
    EXPECT_EQ(dialog->message(), GetParam().message);
    EXPECT_EQ(window().game().runners(), before);
}

INSTANTIATE_TEST_SUITE_P(Table, RunnersRowsTest,
    testing::Values(RowsCase { "OddsOfOne", { { "1", "2" }, { "2", "1" } },
                        QStringLiteral("La cote du partant 2 doit être supérieure à 1.") },
        RowsCase { "Twice", { { "4", "2" }, { "4", "3" } }, QStringLiteral("Le partant 4 est donné deux fois.") },
        RowsCase { "OddsUnreadable", { { "4", "5;2" } },
            QStringLiteral("La cote du partant 4 est illisible : « 5;2 » (par exemple 5,2).") },
        RowsCase { "NumberMissing", { { "", "5" } }, QStringLiteral("Ligne 1 : entrez le numéro du partant.") },
        RowsCase { "NumberNotARunner", { { "0", "5" } },
            QStringLiteral("Ligne 1 : « 0 » n'est pas un numéro de partant (1 à 99).") }),
    [](const testing::TestParamInfo<RowsCase>& info) { return info.param.name; });

TEST_F(RunnersTest, AHorseWithoutOddsIsSaidInCostAndGains)
{
    computeFourHorsePairs();
    window().costs().SetRunners({ { 1, 2 }, { 2, 4 }, { 4, 6 } });
    click(window().extensions().CoutGains);
    EXPECT_EQ(
        label("CoutGainsDialog", "ChancesMessage"), QStringLiteral("Le cheval 3 de la prédiction n'a pas de cote."));
    EXPECT_EQ(label("CoutGainsDialog", "ProbabiliteGain"), QStringLiteral("(caché)"));
    EXPECT_EQ(window().extensions().CoutJeu->toolTip().toStdString(), NoBreak("6 mises de 1,50_€"));
}

TEST_F(RunnersTest, EveryControlIsNamedAndReachable)
{
    RunnersDialog* dialog = openRunners();
    ASSERT_NE(dialog, nullptr);
    for (const char* name : { "TablePartants", "CollerPartants", "EffacerPartants", "FermerPartants" }) {
        QWidget* control = dialog->findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_FALSE(control->toolTip().isEmpty()) << name;
        EXPECT_FALSE(control->accessibleName().isEmpty()) << name;
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << name;
    }
}

} // namespace
} // namespace ornal::testing_support
