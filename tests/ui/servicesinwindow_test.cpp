#include "../betting/nobreak.h"
#include "windowfixture.h"

#include <algorithm>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

TEST_F(WindowTest, VersionBoxHasSixLinesNoIconAndTheApplicationsTitle)
{
    click(ui().Command8);
    ASSERT_EQ(shown().size(), 1u);
    const Message& about = shown()[0].message;
    EXPECT_EQ(std::count(about.text.begin(), about.text.end(), '\r'), 5);
    EXPECT_EQ(about.icon, MessageIcon::None);
    EXPECT_EQ(about.title, "Ornal");
    EXPECT_FALSE(shown()[0].question);
}

TEST_F(WindowTest, WebSiteButtonOpensTheMakersAddressEachClick)
{
    click(ui().Command6);
    click(ui().Command6);
    EXPECT_EQ(m_openedAddresses, (Texts { "https://www.galopia.fr", "https://www.galopia.fr" }));
    EXPECT_TRUE(shown().empty());
}

TEST_F(WindowTest, QuitButtonEndsWithoutAQuestion)
{
    click(ui().Command1);
    EXPECT_EQ(m_quits, 1);
    EXPECT_TRUE(shown().empty());
    EXPECT_TRUE(window().close());
}

TEST_F(WindowTest, ExportHandsTheListAndItsHeadingToTheWorkbook)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" }, "1");
    click(ui().Picture10);
    m_exportOutcome.selectedLine = 9;
    click(ui().Command7);
    ASSERT_EQ(m_exports.size(), 1u);
    EXPECT_EQ(m_exportedLines[0].size(), 10u);
    EXPECT_EQ(m_exports[0].selectionText, "-3-7-12-1-9");
    EXPECT_EQ(m_exports[0].baseText, "1");
    EXPECT_EQ(m_exports[0].caption, "Programme Ornal");
    EXPECT_EQ(ui().List1->currentIndex().row(), 9);
    EXPECT_TRUE(shown().empty());
}

// Below the signature the workbook names the bet in force, the default of a bet size of 3, and the base ticked.
TEST_F(WindowTest, ExportHandsTheBetAndTheBasesInForceAsNotes)
{
    prepare(5, 3, { "3", "7", "12", "1", "9" }, "1");
    click(ui().Check1[1]);
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 6u); // C(4, 2) lines around the base
    click(ui().Command7);
    ASSERT_EQ(m_exports.size(), 1u);
    EXPECT_EQ(m_exports[0].notes, (Texts { NoBreak("Tiercé : 6 mises de 1,00_€ = 6,00_€"), "Base : 7" }));
}

TEST_F(WindowTest, ExportFailureIsShownOnceThePointerIsBack)
{
    prepare(4, 2, { "1", "2", "3", "4" });
    click(ui().Picture10);
    m_exportOutcome.refusal
        = Refusal { Message { "Le dossier n'accepte pas l'écriture.", MessageIcon::Critical, "F-> : Ornal" } };
    click(ui().Command7);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.title, "F-> : Ornal");
    EXPECT_FALSE(m_cursorWasBusy);
    EXPECT_EQ(lines().size(), 6u);
}

} // namespace
} // namespace ornal::testing_support
