#pragma once

#include "engine/refusal.h"
#include "export/localdatetime.h"

#include <filesystem>
#include <string>

namespace ornal {

// The name of the workbook exported at moment, "Ornal_yyyy-mm-dd_hh-mm-ss.xlsx"; attempt 2 and above add
// "_2", "_3"... before the extension.
std::string WorkbookFileName(const LocalDateTime& moment, int attempt = 1);

// Done when file may be created, otherwise why not: an existing file is never replaced.
Result<void> CheckNewFile(const std::filesystem::path& file);

// The first workbook name of moment, from attempt firstAttempt on, that folder does not hold yet.
Result<std::filesystem::path> FreeWorkbookName(
    const std::filesystem::path& folder, const LocalDateTime& moment, int firstAttempt);

} // namespace ornal
