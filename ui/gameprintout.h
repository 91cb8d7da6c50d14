#pragma once

#include "document/gamenotes.h"
#include "document/savedgame.h"
#include "files/atomicwriter.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

class QFontMetrics;
class QIODevice;
class QString;
class QPagedPaintDevice;

namespace ornal {

// Where lines go on paper: down each column, then on to the next column, then to the next page. The first page
// gives the top of its height to the heading block.
struct PageGrid {
    int columns = 1;
    int rowsFirstPage = 1; // 0 when the heading fills the first page
    int rowsOtherPages = 1;

    // Lines page holds (pages counted from 0).
    std::size_t capacity(int page) const;
    // The first line on page.
    std::size_t firstLine(int page) const;
    // Pages needed for count lines: at least one, for the heading.
    int pageCount(std::size_t count) const;
};

// A game laid out on paper: the heading block of the spreadsheet export (" Programme Ornal", the Base text,
// " La sélection : ", " Nombre de combinaisons : "), the bet with its cost and the bases when there are (see
// GameNotes) and the runners with their odds when given, the lines in as many columns as fit, and the date and "Page n
// / N" at the foot of each page. Every line prints whole: one wider than the page is cut into rows of the page's width,
// the rows after its first indented.
class GamePrintout {
public:
    // date is printed as given ("14/07/2024").
    GamePrintout(SavedGame game, std::string date);

    // Paints every page on device (a printer, the print preview's or a PDF writer) with its own page size and
    // margins; false when the device cannot be painted on.
    bool paint(QPagedPaintDevice* device) const;

    // The heading block's texts, top to bottom.
    std::vector<std::string> headingLines() const;

    const SavedGame& game() const { return m_game; }

private:
    SavedGame m_game;
    std::string m_date;
};

// The pieces, as (start, length) in UTF-16 units, that text is cut into so that each fits width in the font of
// metrics, the pieces after the first within width - indent (they are printed indented): one piece when it fits,
// an empty piece only for an empty text, never a character cut in two.
std::vector<std::pair<int, int>> CutToWidth(const QString& text, const QFontMetrics& metrics, int width, int indent);

// Gives device the page every printout starts from: A4 upright, 15 mm margins.
void UsePrintoutPage(QPagedPaintDevice* device);

// Writes printout as a PDF file, whole or not at all; an existing file is refused unless existing is Replace.
WriteOutcome WriteGamePdf(
    const std::filesystem::path& file, const GamePrintout& printout, ExistingFile existing = ExistingFile::Keep);

// Writes printout as a PDF into device, open for writing; false when the pages could not be drawn.
bool WriteGamePdfTo(QIODevice* device, const GamePrintout& printout);

} // namespace ornal
