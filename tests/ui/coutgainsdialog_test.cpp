// The dialog "Coût et gains", driven offscreen through its widgets. Classes and amounts are worked out by hand from
// the bet table; the lines of eight horses without bases are the k-subsets of 1..8 in lexicographic order.
#include "../betting/nobreak.h"
#include "ui/coutgainsdialog.h"
#include "windowfixture.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QImage>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QTest>

#include <cstdlib>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

class CoutGainsTest : public WindowTest {
protected:
    void compute(int bet)
    {
        prepare(8, bet, { "1", "2", "3", "4", "5", "6", "7", "8" });
        click(ui().Picture10);
        takeMessages();
    }
    void typeResult(const Texts& places)
    {
        for (std::size_t i = 0; i < places.size(); ++i) {
            ui().txtscan[i]->setText(QString::fromStdString(places[i]));
        }
    }
    CoutGainsDialog* openDialog()
    {
        click(window().extensions().CoutGains);
        m_dialog = window().findChild<CoutGainsDialog*>("CoutGainsDialog");
        EXPECT_NE(m_dialog, nullptr);
        return m_dialog;
    }
    template <typename Widget> Widget* part(const QString& name) const
    {
        Widget* widget = m_dialog ? m_dialog->findChild<Widget*>(name) : nullptr;
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    std::string text(const QString& name) const
    {
        const QLabel* label = part<QLabel>(name);
        return label ? label->text().toStdString() : "(missing)";
    }
    QComboBox* types() const { return part<QComboBox>("TypeJeu"); }
    QDoubleSpinBox* stake() const { return part<QDoubleSpinBox>("MiseUnitaire"); }
    std::string windowLabel() const { return window().extensions().CoutJeu->text().toStdString(); }
    Texts offeredTypes() const
    {
        Texts names;
        for (int i = 0; i < types()->count(); ++i) {
            names.push_back(types()->itemText(i).toStdString());
        }
        return names;
    }
    void chooseInDialog(const QString& type) { types()->setCurrentIndex(types()->findText(type)); }
    void typeStake(const QString& euros) { typeAmount(stake(), euros); }
    // Types euros over the amount of box, key by key; keyClicks takes ASCII only, so the other characters go as
    // key events carrying their text.
    void typeAmount(QDoubleSpinBox* box, const QString& euros)
    {
        box->setFocus();
        box->selectAll();
        for (const QChar c : euros) {
            if (c.unicode() < 0x80) {
                QTest::keyClick(box, c.toLatin1());
            } else {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), {});
            }
        }
    }
    QDoubleSpinBox* rapportBase() const { return part<QDoubleSpinBox>("RapportPour"); }
    void setArrival(const Texts& places)
    {
        for (int i = 0; i < CoutGainsDialog::kArrivalPlaces; ++i) {
            part<QLineEdit>(QStringLiteral("Arrivee_%1").arg(i))
                ->setText(i < static_cast<int>(places.size()) ? QString::fromStdString(places[i]) : QString());
        }
    }
    void setRapport(int c, const QString& euros)
    {
        part<QLineEdit>(QStringLiteral("Rapport_%1").arg(c))->setText(euros);
    }

    CoutGainsDialog* m_dialog = nullptr;
};

TEST_F(CoutGainsTest, CtrlGOpensAChildThatLeavesTheWindowFree)
{
    compute(3);
    QTest::keyClick(&window(), Qt::Key_G, Qt::ControlModifier);
    // A button's shortcut clicks it the way animateClick does: after the pressed look has shown.
    for (int waited = 0; !m_dialog && waited < 2000; waited += 10) {
        QTest::qWait(10);
        m_dialog = window().findChild<CoutGainsDialog*>("CoutGainsDialog");
    }
    ASSERT_NE(m_dialog, nullptr);
    EXPECT_TRUE(m_dialog->isVisible());
    EXPECT_FALSE(m_dialog->isModal());
    EXPECT_EQ(m_dialog->parentWidget(), &window());
    EXPECT_EQ(m_dialog->windowTitle(), "Coût et gains");
    QTest::keyClick(m_dialog, Qt::Key_Escape);
    EXPECT_FALSE(m_dialog->isVisible());
    openDialog();
    EXPECT_EQ(window().findChildren<CoutGainsDialog*>().size(), 1) << "a second dialog was made";
}

struct OfferCase {
    int bet;
    Texts offered; // the types whose line size is bet, in table order
    std::string current;
    std::string lines; // C(8, bet)
    std::string total;
};

class TypeOfferTest : public CoutGainsTest, public testing::WithParamInterface<OfferCase> { };

TEST_P(TypeOfferTest, OffersTheTypesThatTakeTheLines)
{
    compute(GetParam().bet);
    openDialog();
    EXPECT_EQ(offeredTypes(), GetParam().offered);
    EXPECT_EQ(types()->currentText().toStdString(), GetParam().current);
    EXPECT_EQ(text("CoutLignes"), GetParam().lines);
    EXPECT_EQ(text("CoutTotal"), NoBreak(GetParam().total));
}

INSTANTIATE_TEST_SUITE_P(Table, TypeOfferTest,
    testing::Values(OfferCase { 2, { "Couplé gagnant", "Couplé placé", "Couplé ordre", "2sur4" }, "Couplé gagnant",
                        "28", "42,00_€" },
        OfferCase { 3, { "Trio", "Trio ordre", "Tiercé" }, "Tiercé", "56", "56,00_€" },
        OfferCase { 4, { "Quarté+", "Multi" }, "Quarté+", "70", "91,00_€" },
        OfferCase { 5, { "Quinté+", "Multi" }, "Quinté+", "56", "112,00_€" },
        OfferCase { 6, { "Multi" }, "Multi", "28", "84,00_€" }, OfferCase { 7, { "Multi" }, "Multi", "8", "24,00_€" }));

TEST_F(CoutGainsTest, ATypeChosenInTheDialogPricesTheWindowsList)
{
    compute(2);
    openDialog();
    chooseInDialog("Couplé placé");
    EXPECT_EQ(std::string(window().game().bets().type()->id), "couple-place");
    // 28 lines at 1,50 €; the Couplé placé has no logo, so no logo stays framed.
    EXPECT_EQ(windowLabel(), NoBreak("Couplé placé : 42,00_€"));
    for (const ClickableLabel* logo : ui().PictureJeux) {
        EXPECT_FALSE(logo->isChosen());
    }
    chooseInDialog("2sur4");
    EXPECT_EQ(windowLabel(), NoBreak("2sur4 : 84,00_€"));
    EXPECT_TRUE(ui().PictureJeux[1]->isChosen());
}

TEST_F(CoutGainsTest, TheStakeIsTypedTheFrenchWayKeptPerTypeAndReset)
{
    compute(3);
    openDialog();
    EXPECT_EQ(stake()->text().toStdString(), "1,00 €");
    typeStake("2,50");
    // 56 lines at 2,50 €.
    EXPECT_EQ(window().game().bets().stakeCents(*FindBetType("tierce")), 250);
    EXPECT_EQ(windowLabel(), NoBreak("Tiercé : 140,00_€"));
    EXPECT_EQ(text("CoutMises"), NoBreak("56 mises de 2,50_€"));
    EXPECT_EQ(text("CoutTotal"), NoBreak("140,00_€"));
    chooseInDialog("Trio");
    EXPECT_EQ(stake()->text().toStdString(), "1,50 €");
    EXPECT_EQ(windowLabel(), NoBreak("Trio : 84,00_€"));
    chooseInDialog("Tiercé");
    EXPECT_EQ(stake()->text().toStdString(), "2,50 €") << "the Tiercé's stake was not kept";
    click(part<QPushButton>("MiseParDefaut"));
    EXPECT_EQ(stake()->text().toStdString(), "1,00 €");
    EXPECT_EQ(windowLabel(), NoBreak("Tiercé : 56,00_€"));
    // 0.10 has no exact binary value; the cents come from the text.
    typeStake("0,10");
    EXPECT_EQ(window().game().bets().stakeCents(*FindBetType("tierce")), 10);
    EXPECT_EQ(windowLabel(), NoBreak("Tiercé : 5,60_€"));
}

struct StakeTyping {
    std::string name;
    QString typed;
    std::int64_t cents; // the stake in force afterwards
    std::string message;
};

class StakeTypingTest : public CoutGainsTest, public testing::WithParamInterface<StakeTyping> { };

TEST_P(StakeTypingTest, TheStakeIsReadAsTheProgramWritesAmounts)
{
    compute(3);
    openDialog();
    typeStake(GetParam().typed);
    EXPECT_EQ(window().game().bets().stakeCents(*FindBetType("tierce")), GetParam().cents);
    EXPECT_EQ(text("CoutMessage"), NoBreak(GetParam().message));
}

const std::string kNoStake = "La mise doit être d'au moins 0,01_€.";

INSTANTIATE_TEST_SUITE_P(Table, StakeTypingTest,
    testing::Values(StakeTyping { "Blank", QStringLiteral("1 250,40"), 125040, "" },
        StakeTyping { "NoBreakSpaceAndEuro", QStringLiteral("1\u00A0250,40 €"), 125040, "" },
        StakeTyping { "NarrowNoBreakSpace", QStringLiteral("1\u202F250,40"), 125040, "" },
        StakeTyping { "FullStop", QStringLiteral("1250.40"), 125040, "" },
        StakeTyping { "Zero", QStringLiteral("0"), 100, kNoStake },
        StakeTyping { "ZeroCents", QStringLiteral("0,00"), 100, kNoStake },
        StakeTyping { "Negative", QStringLiteral("-2"), 100, kNoStake },
        // On the way, "12" was an amount: it stays in force while the box says what is wrong with the rest.
        StakeTyping { "BadGrouping", QStringLiteral("12 50"), 1200, "Montant invalide : entrez par exemple 2,50." }),
    [](const auto& info) { return info.param.name; });

// The Quinté+ of the next test: 1 désordre, 3 bonus 4, 6 bonus 3 over 56 lines.
TEST_F(CoutGainsTest, RapportsAreForTheStakeOverTheirColumnAndFollowTheStakePlayed)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    typeResult({ "8", "6", "7", "2", "4" });
    openDialog();
    click(part<QPushButton>("Verifier"));
    EXPECT_EQ(rapportBase()->text().toStdString(), "2,00 €");
    setRapport(1, QStringLiteral("1 376"));
    setRapport(2, QStringLiteral("0"));
    setRapport(3, QStringLiteral("0"));
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 1_376,00_€"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 1_264,00_€"));
    // Twice the base stake wins twice the rapport: 2 752,00 € less 56 x 4,00 €.
    typeStake(QStringLiteral("4"));
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 2_752,00_€"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 2_528,00_€"));
    // Rapports quoted for 1 €: four times as much at 4,00 €.
    typeAmount(rapportBase(), QStringLiteral("1"));
    EXPECT_EQ(window().game().bets().rapportBaseCents(*FindBetType("quinte")), 100);
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 5_504,00_€"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 5_280,00_€"));
    typeAmount(rapportBase(), QStringLiteral("0"));
    EXPECT_EQ(text("Gains"), NoBreak("Rapport pour : " + kNoStake));
    EXPECT_EQ(text("Net"), "");
    EXPECT_EQ(window().game().bets().rapportBaseCents(*FindBetType("quinte")), 100);

    // Kept per type, as the stakes are.
    chooseInDialog("Multi");
    EXPECT_EQ(rapportBase()->text().toStdString(), "3,00 €");
    chooseInDialog("Quinté+");
    EXPECT_EQ(rapportBase()->text().toStdString(), "1,00 €");
}

// Quinté+ 8-6-7-2-4 over the 56 lines of 1..8: désordre {2,4,6,7,8}; bonus 4 {2,6,7,8} with 1, 3 or 5 (not 4);
// bonus 3 {6,7,8} with two of 1, 3, 4, 5 (not 2): 6 lines. The first paying line, -1-2-6-7-8-, comes after the
// C(5,2) + C(4,2) + C(3,2) = 19 lines that start 1-2-3, 1-2-4 and 1-2-5: row 19.
TEST_F(CoutGainsTest, VerifierCountsEachClassAndTheRapportsGiveGainsAndNet)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    typeResult({ "8", "6", "7", "2", "4" });
    openDialog();
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(part<QLineEdit>(QStringLiteral("Arrivee_%1").arg(i))->text(), ui().txtscan[i]->text()) << i;
    }
    click(part<QPushButton>("Verifier"));
    EXPECT_EQ(text("MessageArrivee"), "");
    const Texts names { "ordre", "désordre", "bonus 4", "bonus 3" };
    const Texts counts { "0", "1", "3", "6" };
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(text(QStringLiteral("NomClasse_%1").arg(c)), names[c]);
        EXPECT_EQ(text(QStringLiteral("LignesClasse_%1").arg(c)), counts[c]);
    }
    EXPECT_EQ(text("TotalGagnant"), "Lignes gagnantes : 10");
    const QListWidget* paying = part<QListWidget>("LignesGagnantes");
    ASSERT_EQ(paying->count(), 10);
    EXPECT_EQ(paying->item(0)->text().simplified().toStdString(), "-1-2-6-7-8- bonus 4");
    EXPECT_EQ(paying->item(5)->text().simplified().toStdString(), "-2-4-6-7-8- désordre");

    // 1 x 100 + 3 x 20,50 + 6 x 4 = 185,50 €, less 56 x 2,00 € = 73,50 €.
    setRapport(1, "100");
    setRapport(2, "20,50");
    setRapport(3, "4");
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 185,50_€"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 73,50_€"));
    // Without the bonus 3's rapport: 161,50 €, and the gap is said.
    setRapport(3, "");
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 161,50_€ (rapport manquant)"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 49,50_€"));
    // A new stake changes the cost and what the rapports quoted for 2,00 € bring, not the check: 161,50 € halved is
    // 80,75 €, less 56 x 1,00 €.
    window().costs().SetUnitStake(*FindBetType("quinte"), 100);
    EXPECT_EQ(text("TotalGagnant"), "Lignes gagnantes : 10");
    EXPECT_EQ(text("Gains"), NoBreak("Gains : 80,75_€ (rapport manquant)"));
    EXPECT_EQ(text("Net"), NoBreak("Net : 24,75_€"));
    setRapport(0, "douze");
    EXPECT_EQ(text("Gains"), "Rapport ordre : Montant invalide : entrez par exemple 2,50.");
    EXPECT_EQ(text("Net"), "");

    click(part<QPushButton>("SelectionnerLigne"));
    const QModelIndex current = ui().List1->currentIndex();
    EXPECT_EQ(current.row(), 19);
    EXPECT_EQ(current.data().toString(), "-1-2-6-7-8-");
    EXPECT_TRUE(ui().List1->selectionModel()->isSelected(current));
}

struct ArrivalRefusalCase {
    Texts arrival;
    std::string message;
    int focusedBox;
};

class ArrivalRefusalTest : public CoutGainsTest, public testing::WithParamInterface<ArrivalRefusalCase> { };

TEST_P(ArrivalRefusalTest, TheRefusalShowsInTheDialogAndPointsAtTheBox)
{
    compute(3);
    openDialog();
    setArrival(GetParam().arrival);
    click(part<QPushButton>("Verifier"));
    EXPECT_EQ(text("MessageArrivee"), GetParam().message);
    EXPECT_EQ(text("TotalGagnant"), "");
    EXPECT_EQ(part<QListWidget>("LignesGagnantes")->count(), 0);
    EXPECT_EQ(m_dialog->focusWidget(), part<QLineEdit>(QStringLiteral("Arrivee_%1").arg(GetParam().focusedBox)));
    EXPECT_TRUE(shown().empty()) << "a message box as well as the dialog's line";
}

INSTANTIATE_TEST_SUITE_P(Table, ArrivalRefusalTest,
    testing::Values(ArrivalRefusalCase { { "3", "5", "3" }, "Numéro déjà saisi.", 2 },
        ArrivalRefusalCase { { "3", "5", "03" }, "Numéro déjà saisi.", 2 },
        ArrivalRefusalCase { { "3", "5" }, "L'arrivée du Tiercé compte 3 chevaux.", 2 },
        ArrivalRefusalCase { { "3", "", "1" }, "Entrez un Numéro.", 1 }));

TEST_F(CoutGainsTest, LinesOfAnotherSizeAreRefusedNotPriced)
{
    compute(3);
    pick(ui().Jeu, "5");
    openDialog();
    EXPECT_EQ(offeredTypes(), (Texts { "Trio", "Trio ordre", "Tiercé" }));
    EXPECT_EQ(types()->currentIndex(), -1);
    EXPECT_EQ(text("CoutMessage"), "Le Quinté+ se joue avec 5 numéros par ligne.");
    EXPECT_EQ(text("CoutTotal"), "");
    setArrival({ "1", "2", "3", "4", "5" });
    click(part<QPushButton>("Verifier"));
    EXPECT_EQ(text("MessageArrivee"), "Le Quinté+ se joue avec 5 numéros par ligne.");
}

TEST_F(CoutGainsTest, AChangeOfTheListForgetsTheCheck)
{
    compute(3);
    typeResult({ "3", "5", "1" });
    openDialog();
    click(part<QPushButton>("Verifier"));
    ASSERT_EQ(text("TotalGagnant"), "Lignes gagnantes : 1");
    ui().garde->setEditText("2");
    click(ui().Command3);
    // C(7, 2) = 21 lines hold 2.
    EXPECT_EQ(text("TotalGagnant"), "");
    EXPECT_EQ(part<QListWidget>("LignesGagnantes")->count(), 0);
    EXPECT_FALSE(part<QPushButton>("SelectionnerLigne")->isEnabled());
    EXPECT_EQ(text("CoutLignes"), "21");
    EXPECT_EQ(text("CoutTotal"), NoBreak("21,00_€"));
}

// The README's picture: a checked Quinté+ with its rapports. ORNAL_SCREENSHOT names the file to write.
TEST_F(CoutGainsTest, Picture)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    typeResult({ "8", "6", "7", "2", "4" });
    openDialog();
    click(part<QPushButton>("Verifier"));
    setRapport(0, "1250");
    setRapport(1, "98,40");
    setRapport(2, "12,60");
    setRapport(3, "4,20");
    m_dialog->adjustSize();
    QApplication::processEvents();
    const QImage picture = m_dialog->grab().toImage();
    EXPECT_EQ(picture.size(), m_dialog->size());
    if (const char* file = std::getenv("ORNAL_SCREENSHOT")) {
        EXPECT_TRUE(picture.save(QString::fromLocal8Bit(file)));
    }
}

} // namespace
} // namespace ornal::testing_support
