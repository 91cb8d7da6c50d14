#include "windowfixture.h"

#include <QApplication>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

TEST_F(WindowTest, PreloadComputesFiftySixLines)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(lines().size(), 56u);
    EXPECT_EQ(caption(), "Combinaisons : 56");
    EXPECT_EQ(ui().NombreChevaux->currentText(), "8");
    EXPECT_EQ(ui().Jeu->currentText(), "5");
    EXPECT_EQ(ui().Text1[7]->text(), "8");
    EXPECT_FALSE(ui().PictureJeux[6]->isHidden());
    EXPECT_EQ(window().commandLineText(), "|8|5|1|2|3|4|5|6|7|8");
}

TEST_F(WindowTest, PreloadTrimsTheLineAndEveryField)
{
    open({ " | 8 | 3 ", "|1|2|3|4|5|6|7| 8 " });
    EXPECT_EQ(window().commandLineText(), "| 8 | 3  |1|2|3|4|5|6|7| 8");
    EXPECT_EQ(ui().NombreChevaux->currentText(), "8");
    EXPECT_EQ(lines().size(), 56u);
}

struct PreloadCase {
    QStringList arguments;
    QString horses;
    int shownBoxes;
    Texts messages;
};

class PreloadTest : public WindowTest, public testing::WithParamInterface<PreloadCase> { };

TEST_P(PreloadTest, FillsWhatTheLineCarries)
{
    open(GetParam().arguments);
    EXPECT_EQ(ui().NombreChevaux->currentText(), GetParam().horses);
    int shownBoxes = 0;
    for (const QLineEdit* box : ui().Text1) {
        shownBoxes += box->isHidden() ? 0 : 1;
    }
    EXPECT_EQ(shownBoxes, GetParam().shownBoxes);
    EXPECT_EQ(takeMessages(), GetParam().messages);
    EXPECT_TRUE(lines().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, PreloadTest,
    testing::Values(PreloadCase { {}, "", 0, {} }, PreloadCase { { "8", "5" }, "", 0, {} },
        PreloadCase { { "|21|5" }, "", 0, {} }, PreloadCase { { "|0|5" }, "", 0, {} },
        // The bet size stays blank: the computation asks for it.
        PreloadCase { { "x|12" }, "12", 12, { "Vous devez choisir un type de jeu." } },
        PreloadCase { { "8|5|1|2" }, "5", 5, { "Vous devez choisir un type de jeu." } },
        PreloadCase { { "|8|9|1|2|3|4|5|6|7|8" }, "8", 8, { "Vous devez choisir un type de jeu." } },
        PreloadCase { { "|20|7" }, "20", 20, { "Entrez un Numéro." } },
        PreloadCase { { "|4|7|1|2|3|4" }, "4", 4, { "Choix invalide." } }));

TEST_F(WindowTest, PreloadLeavesBoxesOfTheFractionalCountAsThePlayerWouldSee)
{
    open({ "|8.5|4|1|2|3|4|5|6|7|8|9" });
    EXPECT_EQ(ui().NombreChevaux->currentText(), "8.5");
    EXPECT_FALSE(ui().Text1[8]->isHidden());
    EXPECT_EQ(ui().Text1[8]->text(), "");
    EXPECT_EQ(takeMessages(), Texts { "Entrez un Numéro." });
}

// Mended: coming back to the window used to run the preload again and throw away the filtered list.
TEST_F(WindowTest, LaterActivationsKeepAFilteredList)
{
    open({ "|8|5|1|2|3|4|5|6|7|8" });
    ui().garde->setEditText("8");
    click(ui().Command3);
    ASSERT_EQ(lines().size(), 35u);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&window(), &activate);
    EXPECT_EQ(lines().size(), 35u);
    EXPECT_EQ(caption(), "Combinaisons : 35");
}

} // namespace
} // namespace ornal::testing_support
