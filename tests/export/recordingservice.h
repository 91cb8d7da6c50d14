#pragma once

#include "export/workbookservice.h"

#include <string>
#include <vector>

namespace ornal {

// A spreadsheet service that notes every call as text ("Rows(2:2)", "Font.Size=12", "Value=Les Jeux"...) and
// passes it on to a workbook service; the call whose note equals failOn is refused instead (or runs out of memory).
class RecordingService final : public SpreadsheetService {
public:
    explicit RecordingService(const ExportRequest& request);

    std::vector<std::string> calls;
    std::string failOn; // a note to refuse, with error failNumber
    long failNumber = 1004;
    bool runOutOfMemory = false; // at failOn, throw std::bad_alloc as a full heap would instead of refusing
    WorkbookService inner;

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
    // Notes the call; the injected failure when it is the one to refuse.
    bool note(std::string text, ServiceError& refusal);
};

} // namespace ornal
