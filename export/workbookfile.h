#pragma once

#include "localdatetime.h"
#include "spreadsheetservice.h"

#include <filesystem>
#include <string>

namespace ornal {

// The name of the workbook exported at moment, "Ornal_yyyy-mm-dd_hh-mm-ss.xlsx"; attempt 2 and above add
// "_2", "_3"... before the extension.
std::string WorkbookFileName(const LocalDateTime& moment, int attempt = 1);

// Creates file empty, so that nobody else takes the name; refused (never replaced) when it already exists.
ServiceError ReserveNewFile(const std::filesystem::path& file);

// Creates the first free workbook name of moment in folder and stores it in file.
ServiceError ReserveWorkbookIn(
    const std::filesystem::path& folder, const LocalDateTime& moment, std::filesystem::path& file);

} // namespace ornal
