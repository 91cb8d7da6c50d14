// The player's work on a game comes back with its file: the conditions applied, the guarantee it was reduced to and
// the arrival checked with its rapports, saved from the window and opened in another one.
#include "document/gamefile.h"
#include "engine/linefields.h"
#include "filetesting.h"
#include "ui/coutgainsdialog.h"
#include "ui/qtbridge.h"
#include "windowfixture.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace ornal::testing_support {
namespace {

class SavedWorkTest : public WindowTest {
protected:
    // The dialog "Réduire le jeu" on tab (0 the conditions, 1 the guarantee).
    QDialog* openReduce(int tab)
    {
        window().reduction().ReduceList();
        auto* dialog = window().findChild<QDialog*>(QStringLiteral("ReduireJeuDialog"));
        EXPECT_NE(dialog, nullptr);
        if (dialog) {
            dialog->findChild<QTabWidget*>(QStringLiteral("ReduireJeuOnglets"))->setCurrentIndex(tab);
            QCoreApplication::processEvents();
        }
        return dialog;
    }
    template <typename Control> Control* in(QWidget* parent, const char* name)
    {
        Control* control = parent ? parent->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    // Appliquer, and the dialog closes once it has applied (a search first, on the guarantee tab).
    void applyAndWait(QDialog* dialog)
    {
        click(in<QPushButton>(dialog, "Appliquer"));
        EXPECT_TRUE(QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 20000)) << "the dialog stayed open";
        takeMessages();
    }
    CoutGainsDialog* openCosts()
    {
        click(window().extensions().CoutGains);
        auto* dialog = window().findChild<CoutGainsDialog*>(QStringLiteral("CoutGainsDialog"));
        EXPECT_NE(dialog, nullptr);
        return dialog;
    }
    std::string label(QWidget* parent, const char* name) { return ToStd(in<QLabel>(parent, name)->text()); }

    ScratchFolder m_folder;
};

TEST_F(SavedWorkTest, ConditionsGuaranteeAndArrivalComeBackInAnotherWindow)
{
    open({ QStringLiteral("|8|5|1|2|3|4|5|6|7|8") });
    takeMessages();
    ASSERT_EQ(lines().size(), 56u);

    // Conditions: exactly one of 1 and 2, a sum from 18 to 26.
    QDialog* reduce = openReduce(0);
    ASSERT_NE(reduce, nullptr);
    click(in<QToolButton>(reduce, "Groupe1Numero1"));
    click(in<QToolButton>(reduce, "Groupe1Numero2"));
    in<QSpinBox>(reduce, "Groupe1AuMoins")->setValue(1);
    in<QSpinBox>(reduce, "Groupe1AuPlus")->setValue(1);
    in<QCheckBox>(reduce, "SommeActive")->setChecked(true);
    in<QSpinBox>(reduce, "SommeMin")->setValue(18);
    in<QSpinBox>(reduce, "SommeMax")->setValue(26);
    applyAndWait(reduce);
    const std::vector<std::string> conditioned = lines();
    ASSERT_LT(conditioned.size(), 56u);
    ASSERT_GT(conditioned.size(), 6u);

    // The guarantee: the Bonus 4 offer, kept to six lines, searched for a second.
    reduce = openReduce(1);
    click(in<QRadioButton>(reduce, "Garantie_1"));
    click(in<QRadioButton>(reduce, "NombreDeLignes"));
    in<QSpinBox>(reduce, "LignesVoulues")->setValue(6);
    in<QSpinBox>(reduce, "TempsRecherche")->setValue(1);
    applyAndWait(reduce);
    const std::vector<std::string> reduced = lines();
    ASSERT_LE(reduced.size(), 6u);
    ASSERT_LT(reduced.size(), conditioned.size());

    // The arrival: the first line in its order, with a rapport for the ordre.
    CoutGainsDialog* costs = openCosts();
    ASSERT_NE(costs, nullptr);
    std::vector<std::string> first;
    ForEachLineNumber(window().game().list().line(0), [&](std::string_view n) { first.emplace_back(n); });
    ASSERT_EQ(first.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        in<QLineEdit>(costs, QStringLiteral("Arrivee_%1").arg(i).toLatin1().constData())
            ->setText(ToQString(first[static_cast<std::size_t>(i)]));
    }
    click(in<QPushButton>(costs, "Verifier"));
    ASSERT_EQ(label(costs, "NomClasse_0"), "ordre");
    in<QLineEdit>(costs, "Rapport_0")->setText(QStringLiteral("1234,50"));
    const std::string gains = label(costs, "Gains");
    const std::string paying = label(costs, "TotalGagnant");
    ASSERT_TRUE(gains.starts_with("Gains : ")) << gains;
    costs->close();

    const std::filesystem::path file = m_folder / "soir.ornal";
    m_fileAnswers.push_back(file);
    click(window().extensions().EnregistrerJeu);
    ASSERT_TRUE(takeMessages().empty());

    // The file holds them.
    GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    ASSERT_TRUE(loaded->guarantee.has_value());
    EXPECT_EQ(*loaded->guarantee,
        (SavedGuarantee { 4, 4, SavedGuarantee::Extent::Lines, std::uint64_t { 6 }, std::nullopt, 1 }));
    ASSERT_EQ(loaded->conditions.size(), 1u);
    EXPECT_EQ(loaded->conditions[0].numbers, (std::vector<std::string> { "1", "2" }));
    ASSERT_TRUE(loaded->lineConditions.has_value());
    EXPECT_EQ(loaded->lineConditions->sum, (SavedLineBound { true, 18, 26 }));
    ASSERT_TRUE(loaded->arrival.has_value());
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(loaded->arrival->numbers[i], first[i]) << i;
    }
    EXPECT_EQ(loaded->arrival->payouts, (std::vector<SavedPayout> { { "ordre", 123450 } }));

    // Another window opens it and shows them all.
    open({});
    m_fileAnswers.push_back(file);
    click(window().extensions().OuvrirJeu);
    ASSERT_TRUE(takeMessages().empty());
    EXPECT_EQ(lines(), reduced);

    reduce = openReduce(0);
    EXPECT_TRUE(in<QToolButton>(reduce, "Groupe1Numero1")->isChecked());
    EXPECT_TRUE(in<QToolButton>(reduce, "Groupe1Numero2")->isChecked());
    EXPECT_FALSE(in<QToolButton>(reduce, "Groupe1Numero3")->isChecked());
    EXPECT_EQ(in<QSpinBox>(reduce, "Groupe1AuMoins")->value(), 1);
    EXPECT_EQ(in<QSpinBox>(reduce, "Groupe1AuPlus")->value(), 1);
    EXPECT_TRUE(in<QCheckBox>(reduce, "SommeActive")->isChecked());
    EXPECT_EQ(in<QSpinBox>(reduce, "SommeMin")->value(), 18);
    EXPECT_EQ(in<QSpinBox>(reduce, "SommeMax")->value(), 26);
    EXPECT_FALSE(in<QCheckBox>(reduce, "PairsActive")->isChecked());
    reduce->findChild<QTabWidget*>(QStringLiteral("ReduireJeuOnglets"))->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(in<QRadioButton>(reduce, "Garantie_1")->isChecked());
    EXPECT_TRUE(in<QRadioButton>(reduce, "NombreDeLignes")->isChecked());
    EXPECT_EQ(in<QSpinBox>(reduce, "LignesVoulues")->value(), 6);
    EXPECT_EQ(in<QSpinBox>(reduce, "TempsRecherche")->value(), 1);
    reduce->reject();

    costs = openCosts();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ToStd(in<QLineEdit>(costs, QStringLiteral("Arrivee_%1").arg(i).toLatin1().constData())->text()),
            first[static_cast<std::size_t>(i)])
            << i;
    }
    EXPECT_EQ(label(costs, "NomClasse_0"), "ordre");
    EXPECT_EQ(label(costs, "TotalGagnant"), paying);
    EXPECT_EQ(label(costs, "Gains"), gains);

    // Saved again untouched, the game is the same.
    EXPECT_EQ(window().game().saved().arrival, loaded->arrival);
    EXPECT_EQ(window().game().saved().guarantee, loaded->guarantee);
    EXPECT_EQ(window().game().saved().lineConditions, loaded->lineConditions);
}

// A game opened without any of them leaves the tabs as the player set them last, and a refused set of conditions
// never replaces the settings applied.
TEST_F(SavedWorkTest, RefusedConditionsLeaveTheAppliedOnesShown)
{
    open({ QStringLiteral("|8|5|1|2|3|4|5|6|7|8") });
    takeMessages();
    QDialog* reduce = openReduce(0);
    ASSERT_NE(reduce, nullptr);
    in<QCheckBox>(reduce, "SommeActive")->setChecked(true);
    in<QSpinBox>(reduce, "SommeMin")->setValue(20);
    applyAndWait(reduce);
    const std::size_t kept = lines().size();
    ASSERT_LT(kept, 56u);

    reduce = openReduce(0);
    // At least three of a group of two cannot be met: refused, with the list kept.
    click(in<QToolButton>(reduce, "Groupe1Numero1"));
    click(in<QToolButton>(reduce, "Groupe1Numero2"));
    in<QSpinBox>(reduce, "Groupe1AuMoins")->setValue(3);
    click(in<QPushButton>(reduce, "Appliquer"));
    EXPECT_EQ(takeMessages().size(), 1u);
    EXPECT_EQ(lines().size(), kept);
    reduce->reject();

    reduce = openReduce(0);
    EXPECT_FALSE(in<QToolButton>(reduce, "Groupe1Numero1")->isChecked());
    EXPECT_TRUE(in<QCheckBox>(reduce, "SommeActive")->isChecked());
    EXPECT_EQ(in<QSpinBox>(reduce, "SommeMin")->value(), 20);
    reduce->reject();
}

} // namespace
} // namespace ornal::testing_support
