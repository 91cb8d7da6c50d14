#include "export/workbookwriter.h"

#include "export/palette.h"
#include "export/workbookcheck.h"

#include <sys/mman.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>

namespace ornal {

namespace {

void describeFont(lxw_format* target, const FontFormat& font)
{
    format_set_font_name(target, font.name.c_str());
    format_set_font_size(target, font.size);
    if (font.bold) {
        format_set_bold(target);
    }
}

void describeEdges(lxw_format* target, const CellFormat& format)
{
    // Thin lines in the automatic colour: the file's default colour is the automatic one.
    if (format.edge(xl::kEdgeLeft)) {
        format_set_left(target, LXW_BORDER_THIN);
    }
    if (format.edge(xl::kEdgeTop)) {
        format_set_top(target, LXW_BORDER_THIN);
    }
    if (format.edge(xl::kEdgeBottom)) {
        format_set_bottom(target, LXW_BORDER_THIN);
    }
    if (format.edge(xl::kEdgeRight)) {
        format_set_right(target, LXW_BORDER_THIN);
    }
}

void describeAlignment(lxw_format* target, const CellFormat& format)
{
    // A right-aligned text runs over the empty cells on its left, not past the used columns on its right.
    if (format.rightAligned) {
        format_set_align(target, LXW_ALIGN_RIGHT);
    }
}

void describeInterior(lxw_format* target, const InteriorFormat& interior)
{
    const auto colour = PaletteColour(interior.colorIndex);
    if (interior.pattern == xl::kSolid && colour) {
        format_set_pattern(target, LXW_PATTERN_SOLID);
        format_set_bg_color(target, *colour);
    }
}

// One file format per distinct cell format, made on first use.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* workbook)
        : m_workbook(workbook)
    {
    }

    lxw_format* get(const CellFormat& format)
    {
        // Consecutive cells nearly always share a format: skip the map lookup then.
        if (m_last && m_lastKey == format) {
            return m_last;
        }
        auto it = m_formats.find(format);
        if (it == m_formats.end()) {
            lxw_format* made = workbook_add_format(m_workbook);
            if (!made) {
                return nullptr;
            }
            describeFont(made, format.font);
            describeEdges(made, format);
            describeInterior(made, format.interior);
            describeAlignment(made, format);
            it = m_formats.emplace(format, made).first;
        }
        m_lastKey = format;
        m_last = it->second;
        return m_last;
    }

private:
    lxw_workbook* m_workbook;
    std::map<CellFormat, lxw_format*> m_formats;
    CellFormat m_lastKey;
    lxw_format* m_last = nullptr;
};

constexpr const char* kOutOfMemory = "mémoire insuffisante pour écrire le classeur";
constexpr std::uint8_t kPaperA4 = 9;

std::string reason(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_CREATING_XLSX_FILE:
        return "le fichier n'a pas pu être créé (dossier absent ou protégé en écriture)";
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return "le fichier temporaire de travail n'a pas pu être écrit ou relu";
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
        return "l'écriture du fichier s'est interrompue (disque plein ?)";
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return kOutOfMemory;
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        return "un texte dépasse la longueur qu'une cellule de classeur admet";
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        return "une cellule sort des limites d'une feuille de classeur";
    default:
        // The library's own text is English; its number is what a report needs.
        return "la bibliothèque de classeurs a refusé une opération (erreur " + std::to_string(error) + ")";
    }
}

ServiceError failure(const std::filesystem::path& file, const std::string& why)
{
    const long number = why == kOutOfMemory ? serviceerror::kOutOfMemory : serviceerror::kFileAccess;
    return { number, "Le classeur n'a pas pu être écrit dans « " + file.string() + " » : " + why + "." };
}

// Frees a workbook that is not to be written: closing would write it out.
struct WorkbookDiscarder {
    void operator()(lxw_workbook* workbook) const { lxw_workbook_free(workbook); }
};

// What the library and the read-back may take while writing sheet: the library keeps every row, cell and distinct
// text until it closes the file, then deflates each part. Measured with glibc on lists of 11,440, 31,824 and
// 77,520 lines: about 330 bytes a line, text included, and a megabyte besides; the figures below leave two
// fifths more for another allocator and for a heap already cut in pieces.
std::size_t BytesToWrite(const Worksheet& sheet)
{
    constexpr std::size_t kPerRow = 64;
    constexpr std::size_t kPerCell = 320;
    constexpr std::size_t kFixed = std::size_t { 4 } << 20;
    std::size_t bytes = kFixed;
    for (int r = 1; r <= sheet.usedRowCount(); ++r) {
        bytes += kPerRow;
        for (const auto& [column, cell] : sheet.row(r)->cells) {
            bytes += kPerCell + 2 * cell.value.size();
        }
    }
    return bytes;
}

// Whether bytes of address space can be had now. The library does not check every allocation it makes, and one
// that fails inside it can crash the program: asking first turns a shortage into a message.
bool CanReserve(std::size_t bytes)
{
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) {
        return false;
    }
    ::munmap(block, bytes);
    return true;
}

ServiceError WriteSheet(const Worksheet& sheet, const std::filesystem::path& file, const std::filesystem::path& named)
{
    // Not the streaming mode, which walks every column up to the rightmost used one in each row.
    lxw_workbook_options options {};
    options.constant_memory = LXW_FALSE;
    std::unique_ptr<lxw_workbook, WorkbookDiscarder> workbook(workbook_new_opt(file.c_str(), &options));
    if (!workbook) {
        return failure(named, "la bibliothèque de classeurs n'a pas démarré");
    }
    lxw_worksheet* target = workbook_add_worksheet(workbook.get(), sheet.name().c_str());
    if (!target) {
        return failure(named, "le nom de feuille « " + sheet.name() + " » est refusé");
    }
    // The workbook's own font is the export's body font, so that column widths count in its digits in every
    // spreadsheet application, whatever font stands in for the library's default there.
    if (lxw_format* normal = STAILQ_FIRST(workbook->formats)) {
        format_set_font_name(normal, "Arial");
        format_set_font_size(normal, 10);
        format_set_font_scheme(normal, "");
    }
    FormatCache formats(workbook.get());
    const CellFormat plain;

    for (const auto& [column, width] : sheet.columnWidths()) {
        worksheet_set_column(
            target, static_cast<lxw_col_t>(column - 1), static_cast<lxw_col_t>(column - 1), width, nullptr);
    }
    // Printed as it stands on the screen: the used range on one page wide, as many pages down as it takes.
    const int lastColumn = sheet.lastUsedColumn();
    const int lastRow = std::max(sheet.usedRowCount(), 1);
    lxw_error error = worksheet_print_area(
        target, 0, 0, static_cast<lxw_row_t>(lastRow - 1), static_cast<lxw_col_t>(lastColumn - 1));
    worksheet_fit_to_pages(target, 1, 0);
    worksheet_set_paper(target, kPaperA4);
    worksheet_set_portrait(target);
    // Rows go out in order, and cells in column order within each; a row formatted whole only as far as the used
    // columns, so that no format runs on to the sheet's last column.
    for (int r = 1; r <= sheet.usedRowCount() && error == LXW_NO_ERROR; ++r) {
        const Worksheet::Row& line = *sheet.row(r);
        const auto row = static_cast<lxw_row_t>(r - 1);
        const auto write = [&](int column, const Cell& cell) {
            const auto col = static_cast<lxw_col_t>(column - 1);
            lxw_format* format = formats.get(cell.format);
            if (!format) {
                error = LXW_ERROR_MEMORY_MALLOC_FAILED;
            } else if (!cell.value.empty()) {
                error = worksheet_write_string(target, row, col, cell.value.c_str(), format);
            } else if (cell.format != plain) {
                error = worksheet_write_blank(target, row, col, format);
            }
        };
        if (line.formatted) {
            for (const auto& [column, cell] : sheet.cellsUpTo(r, lastColumn)) {
                if (error == LXW_NO_ERROR) {
                    write(column, cell);
                }
            }
            continue;
        }
        for (const auto& [column, cell] : line.cells) {
            if (error != LXW_NO_ERROR || column > lastColumn) {
                break;
            }
            write(column, cell);
        }
    }
    if (error != LXW_NO_ERROR) {
        return failure(named, reason(error));
    }
    const lxw_error closed = workbook_close(workbook.release());
    if (closed != LXW_NO_ERROR) {
        return failure(named, reason(closed));
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

ServiceError WriteWorkbook(
    const Worksheet& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs)
{
    const std::filesystem::path& named = shownAs.empty() ? file : shownAs;
    try {
        if (!CanReserve(BytesToWrite(sheet))) {
            return failure(named, kOutOfMemory);
        }
        return WriteSheet(sheet, file, named);
    } catch (const std::bad_alloc&) {
        return failure(named, kOutOfMemory);
    }
}

} // namespace ornal
