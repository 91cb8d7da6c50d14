#pragma once

#include "export/exportrequest.h"
#include "export/localdatetime.h"
#include "export/spreadsheetservice.h"
#include "export/worksheet.h"

#include <filesystem>
#include <optional>
#include <string>

namespace ornal {

// The spreadsheet service of this program: the calls build a Worksheet in memory, and releasing a service that
// was made visible writes it as an .xlsx file at the request's destination and hands it to the request's opener.
class WorkbookService final : public SpreadsheetService {
public:
    // Takes the destination from request: its file, else a fresh name of its moment (now when empty) in its
    // folder, and its opener.
    explicit WorkbookService(const ExportRequest& request);

    // Starts as if the player already had a workbook open whose active sheet is sheet.
    void adoptOpenWorkbook(Worksheet sheet);

    // The sheet the calls built, and whether the service was made visible.
    const Worksheet& sheet() const { return m_sheet; }
    bool visible() const { return m_visible; }

    ServiceError WorkbooksCount(int& count) override;
    ServiceError WorkbooksAdd() override;
    ServiceError SetActiveSheetName(std::string_view name) override;
    ServiceError Rows(std::string_view reference, CellRange& range) override;
    ServiceError Range(std::string_view reference, CellRange& range) override;
    ServiceError Columns(std::string_view reference, CellRange& range) override;
    ServiceError Select(const CellRange& range) override;
    ServiceError SetSelectionFont(FontProperty property, const PropertyValue& value) override;
    ServiceError SetSelectionBorder(std::int16_t index, BorderProperty property, std::int16_t value) override;
    ServiceError SetSelectionInterior(InteriorProperty property, std::int16_t value) override;
    ServiceError SelectionEntireRowInsert() override;
    ServiceError activecell(CellRange& cell) override;
    ServiceError Offset(const CellRange& cell, std::int16_t first, std::int16_t second, CellRange& result) override;
    ServiceError SetValue(const CellRange& range, std::string_view text) override;
    ServiceError SetHorizontalAlignment(const CellRange& range, std::int16_t alignment) override;
    ServiceError SetVisible(bool visible) override;
    ServiceError EntireColumnAutoFit(const CellRange& range) override;
    ServiceError Release(std::string& writtenPath) override;

private:
    ServiceError needSheet() const;

    std::filesystem::path m_file;
    std::filesystem::path m_folder;
    std::optional<LocalDateTime> m_moment;
    WorkbookOpener m_open;
    Worksheet m_sheet;
    int m_workbookCount = 0;
    bool m_visible = false;
    bool m_released = false;
};

} // namespace ornal
