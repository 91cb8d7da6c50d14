#pragma once

#include "engine/refusal.h"
#include "export/sheetlayout.h"

#include <filesystem>

namespace ornal {

// Writes sheet as an .xlsx workbook of one worksheet into file, replacing what file holds, and reads it back. A
// failure, a workbook that reads back damaged or memory that runs short (or would run short inside the library)
// is refused with a message naming the file, or shownAs when given (the final name of a workbook written under a
// temporary one). Throws nothing.
Result<void> WriteWorkbook(
    const SheetLayout& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs = {});

// What the workbook module hands the program that opens it: the .xlsx writer, with WriteWorkbook's contract.
struct WorkbookModule {
    Result<void> (*write)(
        const SheetLayout& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs);
};

// The name the module's WorkbookModule is found under.
inline constexpr const char* kWorkbookModuleSymbol = "ornal_workbook_module";

} // namespace ornal
