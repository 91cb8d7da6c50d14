#pragma once

#include "localdatetime.h"
#include "spreadsheetservice.h"
#include "worksheet.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace ornal {

// Shows a written workbook to the player; returns nullopt once it is on its way, or why it could not be.
using WorkbookOpener = std::function<std::optional<std::string>(const std::filesystem::path& file)>;

// Where a workbook service puts its workbook when it is released, and what it does with it then.
struct WorkbookTarget {
    std::filesystem::path file; // a fixed file, created new (never replaced); when empty, a fresh name in folder()
    std::function<std::filesystem::path()> folder; // the folder of fresh names
    LocalDateTime moment; // the time in a fresh name
    WorkbookOpener open; // shows the file; when empty nothing is opened
};

// The spreadsheet service of this program: the calls build a Worksheet in memory, and releasing a service that
// was made visible writes it as an .xlsx file and opens it.
class WorkbookService final : public SpreadsheetService {
public:
    explicit WorkbookService(WorkbookTarget target = {});

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
    ServiceError Offset(
        const CellRange& cell, std::int16_t rowOffset, std::int16_t columnOffset, CellRange& result) override;
    ServiceError SetValue(const CellRange& range, std::string_view text) override;
    ServiceError SetVisible(bool visible) override;
    ServiceError EntireColumnAutoFit(const CellRange& range) override;
    ServiceError Release(std::string& writtenPath) override;

private:
    ServiceError needSheet() const;

    WorkbookTarget m_target;
    Worksheet m_sheet;
    int m_workbookCount = 0;
    bool m_visible = false;
    bool m_released = false;
};

} // namespace ornal
