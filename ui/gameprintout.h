#pragma once

#include "atomicwriter.h"
#include "savedgame.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

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

// The bet type and cost printed under the heading block ("Quinté+ : 56 mises de 2,00 € = 112,00 €"), empty when no
// bet type applies to the game.
std::string PrintedBetText(const SavedGame& game);

// A game laid out on paper: the heading block of the spreadsheet export (" Programme Ornal", the Base text,
// " La sélection : ", " Nombre de combinaisons : "), the bet and its cost when there is one, the lines in as many
// columns as fit, and the date and "Page n / N" at the foot of each page.
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

// Gives device the page every printout starts from: A4 upright, 15 mm margins.
void UsePrintoutPage(QPagedPaintDevice* device);

// Writes printout as a PDF file, whole or not at all; an existing file is refused unless existing is Replace.
WriteOutcome WriteGamePdf(
    const std::filesystem::path& file, const GamePrintout& printout, ExistingFile existing = ExistingFile::Keep);

} // namespace ornal
