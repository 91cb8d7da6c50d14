#include "export/workbookwriter.h"

#include "export/workbookcheck.h"

#include <sys/mman.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>
#include <new>
#include <string>

namespace ornal {

namespace {

constexpr const char* kOutOfMemory = "mémoire insuffisante pour écrire le classeur";
constexpr std::uint8_t kPaperA4 = 9;

std::string reason(lxw_error error)
{
    if (error >= LXW_ERROR_ZIP_FILE_OPERATION && error <= LXW_ERROR_ZIP_CLOSE) {
        return "l'écriture du fichier s'est interrompue (disque plein ?)";
    }
    if (error == LXW_ERROR_CREATING_TMPFILE || error == LXW_ERROR_READING_TMPFILE) {
        return "le fichier temporaire de travail n'a pas pu être écrit ou relu";
    }
    // The library's own text is English; its number is what a report needs.
    return error == LXW_ERROR_CREATING_XLSX_FILE
        ? "le fichier n'a pas pu être créé (dossier absent ou protégé en écriture)"
        : error == LXW_ERROR_MEMORY_MALLOC_FAILED ? kOutOfMemory
        : error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED
        ? "un texte dépasse la longueur qu'une cellule de classeur admet"
        : error == LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE
        ? "une cellule sort des limites d'une feuille de classeur"
        : "la bibliothèque de classeurs a refusé une opération (erreur " + std::to_string(error) + ")";
}

Refusal failure(const std::filesystem::path& file, const std::string& why)
{
    return Refusal::Saying("Le classeur n'a pas pu être écrit dans « " + file.string() + " » : " + why + ".");
}

// The file format of style, made on its first use: the file numbers formats in that order.
lxw_format* formatOf(lxw_workbook* workbook, std::map<CellStyle, lxw_format*>& made, const CellStyle& style)
{
    if (const auto it = made.find(style); it != made.end()) {
        return it->second;
    }
    lxw_format* format = workbook_add_format(workbook);
    if (!format) {
        return nullptr;
    }
    format_set_font_name(format, "Arial");
    format_set_font_size(format, style.size);
    if (style.bold) {
        format_set_bold(format);
    }
    // Thin lines in the automatic colour: the file's default colour is the automatic one.
    for (const auto& [edge, draw] : { std::pair { CellStyle::kLeft, &format_set_left },
             std::pair { CellStyle::kTop, &format_set_top }, std::pair { CellStyle::kBottom, &format_set_bottom },
             std::pair { CellStyle::kRight, &format_set_right } }) {
        if (style.edges & edge) {
            draw(format, LXW_BORDER_THIN);
        }
    }
    if (style.fill != CellStyle::kNoFill) {
        format_set_pattern(format, LXW_PATTERN_SOLID);
        format_set_bg_color(format, style.fill);
    }
    if (style.rightAligned) {
        format_set_align(format, LXW_ALIGN_RIGHT);
    }
    return made[style] = format;
}

// Whether the library and the read-back can have what writing sheet takes. The library keeps every row, cell and
// distinct text until it closes the file, and does not check every allocation it makes: one that fails inside it
// can crash the program, so the room is asked for first. Measured with glibc on lists of 11,440, 31,824 and 77,520
// lines: about 330 bytes a line, text included, and a megabyte besides; the figures below leave two fifths more for
// another allocator and for a heap already cut in pieces.
bool HasRoomFor(const SheetLayout& sheet)
{
    std::size_t bytes = (std::size_t { 4 } << 20) + 64 * static_cast<std::size_t>(sheet.lastRow);
    for (const SheetCell& cell : sheet.cells) {
        bytes += 320 + 2 * cell.text.size();
    }
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        return false;
    }
    ::munmap(block, bytes);
    return true;
}

Result<void> WriteSheet(const SheetLayout& sheet, const std::filesystem::path& file, const std::filesystem::path& named)
{
    // Not the streaming mode, which walks every column up to the rightmost used one in each row.
    lxw_workbook_options options {};
    options.constant_memory = LXW_FALSE;
    // Freed, not closed, when it is not to be written: closing would write it out.
    std::unique_ptr<lxw_workbook, decltype(&lxw_workbook_free)> workbook(
        workbook_new_opt(file.c_str(), &options), lxw_workbook_free);
    if (!workbook) {
        return failure(named, "la bibliothèque de classeurs n'a pas démarré");
    }
    const std::string name = ValidXmlText(sheet.name);
    lxw_worksheet* target = workbook_add_worksheet(workbook.get(), name.c_str());
    if (!target) {
        return failure(named, "le nom de feuille « " + name + " » est refusé");
    }
    // The workbook's own font is the export's body font, so that column widths count in its digits in every
    // spreadsheet application, whatever font stands in for the library's default there.
    if (lxw_format* normal = STAILQ_FIRST(workbook->formats)) {
        format_set_font_name(normal, "Arial");
        format_set_font_size(normal, 10);
        format_set_font_scheme(normal, "");
    }
    for (const auto& [column, width] : sheet.columnWidths) {
        worksheet_set_column(
            target, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1), width, nullptr);
    }
    lxw_error error = worksheet_print_area(target, 0, 0, static_cast<lxw_row_t>(std::max(sheet.lastRow, 1) - 1),
        static_cast<lxw_col_t>(std::max(sheet.lastColumn, 1) - 1));
    worksheet_fit_to_pages(target, 1, 0);
    worksheet_set_paper(target, kPaperA4);
    worksheet_set_portrait(target);
    std::map<CellStyle, lxw_format*> formats;
    for (auto cell = sheet.cells.begin(); cell != sheet.cells.end() && error == LXW_NO_ERROR; ++cell) {
        const auto row = static_cast<lxw_row_t>(cell->row - 1);
        const auto col = static_cast<lxw_col_t>(cell->column - 1);
        lxw_format* format = formatOf(workbook.get(), formats, cell->style);
        if (!format) {
            error = LXW_ERROR_MEMORY_MALLOC_FAILED;
        } else if (!cell->text.empty()) {
            error = worksheet_write_string(target, row, col, cell->text.c_str(), format);
        } else if (cell->style != CellStyle {}) {
            error = worksheet_write_blank(target, row, col, format);
        }
    }
    if (error != LXW_NO_ERROR || (error = workbook_close(workbook.release())) != LXW_NO_ERROR) {
        return failure(named, reason(error));
    }
    // The library never checks its writes to the scratch files it zips: when the temporary folder fills up, the
    // parts are cut short and the close still succeeds. Only reading the workbook back tells.
    if (const std::optional<std::string> damaged = FindDamagedPart(file)) {
        return failure(named,
            "le classeur écrit est incomplet ou abîmé (" + *damaged + "), le dossier temporaire est peut-être plein");
    }
    return {};
}

} // namespace

Result<void> WriteWorkbook(
    const SheetLayout& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs)
{
    const std::filesystem::path& named = shownAs.empty() ? file : shownAs;
    try {
        return HasRoomFor(sheet) ? WriteSheet(sheet, file, named) : failure(named, kOutOfMemory);
    } catch (const std::bad_alloc&) {
        return failure(named, kOutOfMemory);
    }
}

} // namespace ornal
