// The printed game: its page grid, its heading and the print preview with its PDF button.
#include "../betting/nobreak.h"
#include "filetesting.h"
#include "ui/gameprintout.h"
#include "windowfixture.h"

#include <QAction>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>

#include <cmath>
#include <cstdio>

namespace ornal::testing_support {
namespace {

struct GridCase {
    PageGrid grid;
    std::size_t lines;
    int pages;
};

class PageGridCount : public testing::TestWithParam<GridCase> { };

TEST_P(PageGridCount, FillsTheFirstPageThenWholePages)
{
    EXPECT_EQ(GetParam().grid.pageCount(GetParam().lines), GetParam().pages);
}

// 3 columns of 10 rows under the heading (30 lines), then 3 of 20 on each page after (60 lines).
INSTANTIATE_TEST_SUITE_P(Grids, PageGridCount,
    testing::Values(GridCase { { 3, 10, 20 }, 0, 1 }, GridCase { { 3, 10, 20 }, 30, 1 },
        GridCase { { 3, 10, 20 }, 31, 2 }, GridCase { { 3, 10, 20 }, 90, 2 }, GridCase { { 3, 10, 20 }, 91, 3 },
        // A heading that fills the first page sends every line to the next ones.
        GridCase { { 2, 0, 5 }, 0, 1 }, GridCase { { 2, 0, 5 }, 1, 2 }, GridCase { { 2, 0, 5 }, 11, 3 },
        // 77,520 lines at 3 by 70 after 3 by 60: 180 on page 1, then 77,340 / 210 = 368.3 pages.
        GridCase { { 3, 60, 70 }, 77520, 370 }));

TEST(PageGrid, PagesStartWhereThePreviousOnesEnd)
{
    const PageGrid grid { 3, 10, 20 };
    EXPECT_EQ(grid.firstLine(0), 0u);
    EXPECT_EQ(grid.firstLine(1), 30u);
    EXPECT_EQ(grid.firstLine(2), 90u);
    EXPECT_EQ(grid.capacity(0), 30u);
    EXPECT_EQ(grid.capacity(5), 60u);
}

TEST(GamePrintout, TheHeadingIsTheExportsBlock)
{
    SavedGame game;
    game.selection.baseText = "2";
    game.selectionText = "-3-7-12";
    game.list = MakeList({ "-3-7-", "-3-12-", "-7-12-" });
    const GamePrintout printout(game, "14/07/2024");
    EXPECT_EQ(printout.headingLines(),
        (std::vector<std::string> {
            " Programme Ornal", " 2 ", " La sélection : -3-7-12", " Nombre de combinaisons : 3" }));
}

// The bet line under the heading: 56 lines of the Tiercé at 3,50 € cost 196,00 € (56 × 3,50); a type the program
// does not know, or lines the type does not take, print no cost.
TEST(GamePrintout, TheBetTypeAndCostFollowTheHeading)
{
    SavedGame game;
    for (int a = 1; a <= 8; ++a) {
        for (int b = a + 1; b <= 8; ++b) {
            for (int c = b + 1; c <= 8; ++c) {
                game.list.append("-" + std::to_string(a) + "-" + std::to_string(b) + "-" + std::to_string(c) + "-");
            }
        }
    }
    ASSERT_EQ(game.list.size(), 56u); // C(8, 3)
    EXPECT_EQ(PrintedBetText(game), "") << "no bet";
    game.bet = SavedBet { "tierce", 350 };
    EXPECT_EQ(PrintedBetText(game), NoBreak("Tiercé : 56 mises de 3,50_€ = 196,00_€"));
    EXPECT_EQ(GamePrintout(game, "14/07/2024").headingLines().back(), " " + PrintedBetText(game));
    game.bet = SavedBet { "quinte", 200 };
    EXPECT_EQ(PrintedBetText(game), "") << "lines of 3 are no Quinté+";
    game.bet = SavedBet { "inconnu", 200 };
    EXPECT_EQ(PrintedBetText(game), "");
}

// The bases in force follow the bet under the heading, named by their boxes' texts.
TEST(GamePrintout, TheHeadingNamesTheBasesInForce)
{
    SavedGame game;
    game.selection.baseText = "2";
    game.selection.baseCount = 2;
    game.selection.numbers[0] = "3";
    game.selection.numbers[1] = "7";
    game.selection.numbers[2] = "12";
    game.selection.marks[1] = true;
    game.selection.marks[2] = true;
    game.selectionText = "-3-7-12";
    game.list = MakeList({ "-3-7-12-" });
    game.bet = SavedBet { "trio", 150 };
    EXPECT_EQ(GamePrintout(game, "14/07/2024").headingLines(),
        (std::vector<std::string> { " Programme Ornal", " 2 ", " La sélection : -3-7-12", " Nombre de combinaisons : 1",
            NoBreak(" Trio : 1 mise de 1,50_€ = 1,50_€"), " Bases : 7, 12" }));
}

struct CutCase {
    std::string text;
    int widthInCharacters;
    std::size_t pieces;
};

class CutToWidthTest : public testing::TestWithParam<CutCase> { };

// In a fixed-pitch font every character is one advance: a width of n characters takes n of them, and a piece after
// the first, indented by two, takes n - 2.
TEST_P(CutToWidthTest, PiecesCoverTheTextInOrderAndEachFits)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(9);
    const QFontMetrics metrics(font);
    // Advances are fractions of a unit: n of them fit in the next whole unit up, and two in the unit below.
    const qreal advance = QFontMetricsF(font).horizontalAdvance(QLatin1Char('8'));
    const QString text = QString::fromStdString(GetParam().text);
    const int width = static_cast<int>(std::ceil(GetParam().widthInCharacters * advance));
    const int indent = static_cast<int>(std::floor(2 * advance));
    const auto pieces = CutToWidth(text, metrics, width, indent);
    EXPECT_EQ(pieces.size(), GetParam().pieces);
    QString joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const QString piece = text.mid(pieces[i].first, pieces[i].second);
        EXPECT_GE(pieces[i].second, text.isEmpty() ? 0 : 1) << i;
        EXPECT_EQ(pieces[i].first, joined.size()) << i;
        EXPECT_LE(metrics.horizontalAdvance(piece), i == 0 ? width : width - indent) << i;
        joined += piece;
    }
    EXPECT_EQ(joined, text);
}

INSTANTIATE_TEST_SUITE_P(Lines, CutToWidthTest,
    testing::Values(CutCase { "-1-2-3-", 10, 1 }, CutCase { "-1-2-3-4-", 9, 1 }, CutCase { "-1-2-3-4-5", 9, 2 },
        // 25 characters: 10, then 8 and 7.
        CutCase { "-aaaa-bbbb-cccc-dddd-eee-", 10, 3 }, CutCase { "", 10, 1 },
        // Accents are one character each, whatever their bytes.
        CutCase { "-été-éclair-", 6, 3 }));

// Every line of a printout whose lines are wider than the page reads back whole from the PDF, so two lines that
// differ only at their ends stay apart; the short lines print as before.
TEST(GamePrintout, LinesWiderThanThePagePrintWhole)
{
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftotext is missing (Debian package poppler-utils)";
    }
    const std::string longBox(150, 'x');
    SavedGame game;
    game.selectionText = "-" + longBox + "1-" + longBox + "2-3";
    game.list = MakeList({ "-" + longBox + "1-3-", "-" + longBox + "2-3-", "-1-2-" });
    ScratchFolder folder;
    ASSERT_TRUE(WriteGamePdf(folder / "long.pdf", GamePrintout(game, "14/07/2024")).ok());
    const std::string command = "pdftotext -layout -enc UTF-8 '" + (folder / "long.pdf").string() + "' -";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string text;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        text.append(buffer, got);
    }
    ASSERT_EQ(::pclose(pipe), 0);
    std::string joined; // the rows of each line run on, once their line breaks and indents are gone
    for (char c : text) {
        if (c != '\n' && c != ' ' && c != '\f') {
            joined += c;
        }
    }
    for (CombinationList::Count i = 0; i < game.list.size(); ++i) {
        EXPECT_NE(joined.find(std::string(game.list.line(i))), std::string::npos) << "line " << i + 1;
    }
    EXPECT_EQ(text.find("…"), std::string::npos);
}

TEST_F(WindowTest, PrintOpensAPreviewThatSavesAPdf)
{
    prepare(12, 5, { "1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12" });
    click(ui().Picture10);
    click(window().extensions().ImprimerJeu);
    auto* preview = window().findChild<QPrintPreviewDialog*>(QStringLiteral("ApercuImpression"));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(window().windowTitle(), "Programme Ornal");
    auto* pages = preview->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(pages, nullptr);
    // C(12, 5) = 792 lines do not fit one page.
    EXPECT_GT(pages->pageCount(), 1);

    ScratchFolder folder;
    auto* pdf = preview->findChild<QAction*>(QStringLiteral("EnregistrerPdf"));
    ASSERT_NE(pdf, nullptr);
    m_fileAnswers.push_back(folder / "course du jour");
    pdf->trigger();
    ASSERT_EQ(m_fileQuestions.size(), 1u);
    EXPECT_EQ(m_fileQuestions[0].filter, "Documents PDF (*.pdf)");
    const std::string written = ContentOf(folder / "course du jour.pdf");
    EXPECT_EQ(written.substr(0, 5), "%PDF-");
    EXPECT_NE(written.rfind("%%EOF"), std::string::npos);
    // The dialog never asked about "course du jour.pdf": a second save there is refused.
    m_fileAnswers.push_back(folder / "course du jour");
    pdf->trigger();
    EXPECT_EQ(takeMessages(),
        std::vector<std::string> { "Impossible d'enregistrer « course du jour.pdf » : le fichier existe déjà." });
    preview->close();
}

} // namespace
} // namespace ornal::testing_support
