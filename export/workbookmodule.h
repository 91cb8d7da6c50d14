#pragma once

#include "export/spreadsheetservice.h"
#include "export/worksheet.h"

#include <filesystem>

namespace ornal {

// What the workbook module hands the program that opens it: the .xlsx writer, with WriteWorkbook's contract.
struct WorkbookModule {
    ServiceError (*write)(
        const Worksheet& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs);
};

// The name the module's WorkbookModule is found under.
inline constexpr const char* kWorkbookModuleSymbol = "ornal_workbook_module";

} // namespace ornal
