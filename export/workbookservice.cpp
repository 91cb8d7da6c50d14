#include "export/workbookservice.h"

#include "files/atomicwriter.h"

#include "export/workbookfile.h"
#include "export/workbookwriter.h"

#include <system_error>
#include <utility>

namespace ornal {

namespace {

ServiceError badReference(std::string_view member, std::string_view reference)
{
    return { serviceerror::kRefused,
        "La méthode " + std::string(member) + " a échoué : « " + std::string(reference)
            + " » n'est pas une référence valable." };
}

// The sheet names the workbook file accepts: 1 to 31 characters, none of []:*?/\ and no apostrophe at either end.
bool isSheetName(std::string_view name)
{
    if (name.empty() || name.size() > 31 || name.front() == '\'' || name.back() == '\'') {
        return false;
    }
    return name.find_first_of("[]:*?/\\") == std::string_view::npos;
}

} // namespace

WorkbookService::WorkbookService(const ExportRequest& request)
    : m_file(request.file)
    , m_folder(request.folder)
    , m_moment(request.moment)
    , m_open(request.open)
{
}

void WorkbookService::adoptOpenWorkbook(Worksheet sheet)
{
    m_sheet = std::move(sheet);
    m_workbookCount = 1;
}

ServiceError WorkbookService::needSheet() const
{
    if (m_workbookCount == 0) {
        return { serviceerror::kRefused, "Aucun classeur n'est ouvert." };
    }
    return {};
}

ServiceError WorkbookService::WorkbooksCount(int& count)
{
    count = m_workbookCount;
    return {};
}

ServiceError WorkbookService::WorkbooksAdd()
{
    // One workbook is all this service keeps; adding again starts it afresh.
    m_sheet = Worksheet {};
    m_workbookCount = 1;
    return {};
}

ServiceError WorkbookService::SetActiveSheetName(std::string_view name)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    if (!isSheetName(name)) {
        return { serviceerror::kRefused, "Le nom de feuille « " + std::string(name) + " » n'est pas valable." };
    }
    m_sheet.setName(name);
    return {};
}

ServiceError WorkbookService::Rows(std::string_view reference, CellRange& range)
{
    const std::optional<CellRange> parsed = ParseReference(reference);
    if (!parsed || !parsed->wholeRows()) {
        return badReference("Rows", reference);
    }
    range = *parsed;
    return needSheet();
}

ServiceError WorkbookService::Range(std::string_view reference, CellRange& range)
{
    const std::optional<CellRange> parsed = ParseReference(reference);
    if (!parsed) {
        return badReference("Range", reference);
    }
    range = *parsed;
    return needSheet();
}

ServiceError WorkbookService::Columns(std::string_view reference, CellRange& range)
{
    const std::optional<CellRange> parsed = ParseReference(reference);
    if (!parsed || !parsed->wholeColumns()) {
        return badReference("Columns", reference);
    }
    range = *parsed;
    return needSheet();
}

ServiceError WorkbookService::Select(const CellRange& range)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.select(range);
}

ServiceError WorkbookService::SetSelectionFont(FontProperty property, const PropertyValue& value)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.setFont(property, value);
}

ServiceError WorkbookService::SetSelectionBorder(std::int16_t index, BorderProperty property, std::int16_t value)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.setBorder(index, property, value);
}

ServiceError WorkbookService::SetSelectionInterior(InteriorProperty property, std::int16_t value)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.setInterior(property, value);
}

ServiceError WorkbookService::SelectionEntireRowInsert()
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.insertRows(m_sheet.selection());
}

ServiceError WorkbookService::activecell(CellRange& cell)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    cell = m_sheet.activeCell();
    return {};
}

ServiceError WorkbookService::Offset(const CellRange& cell, std::int16_t first, std::int16_t second, CellRange& result)
{
    // The first number counts columns and the second rows: the export's Offset(1, 3) puts its signature three rows
    // below the list in column B, inside the width of the heading block, so that it never widens the print.
    CellRange moved = cell;
    moved.firstRow += second;
    moved.lastRow += second;
    moved.firstColumn += first;
    moved.lastColumn += first;
    if (moved.firstRow < 1 || moved.lastRow > CellRange::kMaxRows || moved.firstColumn < 1
        || moved.lastColumn > CellRange::kMaxColumns) {
        return { serviceerror::kRefused, "La méthode Offset a échoué : la cellule visée sort de la feuille." };
    }
    result = moved;
    return needSheet();
}

ServiceError WorkbookService::SetValue(const CellRange& range, std::string_view text)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.setValue(range, text);
}

ServiceError WorkbookService::SetHorizontalAlignment(const CellRange& range, std::int16_t alignment)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.setHorizontalAlignment(range, alignment);
}

ServiceError WorkbookService::SetVisible(bool visible)
{
    m_visible = visible;
    return {};
}

ServiceError WorkbookService::EntireColumnAutoFit(const CellRange& range)
{
    if (ServiceError error = needSheet()) {
        return error;
    }
    return m_sheet.autoFitColumns({ 1, range.firstColumn, CellRange::kMaxRows, range.lastColumn });
}

ServiceError WorkbookService::Release(std::string& writtenPath)
{
    writtenPath.clear();
    if (m_released || !m_visible || m_workbookCount == 0) {
        m_released = true;
        return {};
    }
    m_released = true;

    // The workbook is written under a hidden temporary name, checked, then renamed: its name never holds a half
    // workbook, whatever stops the program meanwhile.
    std::filesystem::path file = m_file;
    const LocalDateTime moment = m_moment.value_or(CurrentLocalDateTime());
    for (int attempt = 1;; ++attempt) {
        if (m_file.empty()) {
            if (m_folder.empty()) {
                return { serviceerror::kFileAccess,
                    "Aucun fichier ni dossier de destination n'a été donné au classeur." };
            }
            if (ServiceError error = FreeWorkbookName(m_folder, moment, attempt, file)) {
                return error;
            }
        } else if (ServiceError error = CheckNewFile(file)) {
            return error;
        }
        ServiceError writing;
        const WriteOutcome outcome = WriteFileByName(file, [&](const std::string& temporary) -> FileStep {
            // WriteWorkbook throws nothing, not even on a shortage of memory.
            writing = WriteWorkbook(m_sheet, temporary, file);
            return writing ? FileStep(FileProblem { writing.description, 0 }) : std::nullopt;
        });
        if (writing) {
            return writing;
        }
        if (outcome.written()) {
            break;
        }
        // Another program took the name meanwhile: a dated name moves on to the next one.
        if (outcome.problem->errorNumber == EEXIST && m_file.empty()) {
            continue;
        }
        if (outcome.problem->errorNumber == EEXIST) {
            return CheckNewFile(file);
        }
        return { serviceerror::kFileAccess,
            "Le classeur n'a pas pu être écrit dans « " + file.string() + " » : " + outcome.problem->reason + "." };
    }
    writtenPath = file.string();
    if (m_open) {
        if (const std::optional<std::string> why = m_open(file)) {
            return { serviceerror::kCannotOpen,
                "Le classeur a été enregistré dans « " + writtenPath + " », mais il n'a pas pu être ouvert : " + *why
                    + "." };
        }
    }
    return {};
}

} // namespace ornal
