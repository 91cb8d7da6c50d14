#pragma once

#include "export/spreadsheetservice.h"
#include "export/worksheet.h"

#include <filesystem>

namespace ornal {

// Writes sheet as an .xlsx workbook of one worksheet into file, replacing what file holds. Fonts, frames, solid
// fills (in the colours of the standard palette) and fitted column widths are kept. A failure comes back as a
// file-access error whose description names the file, and so does a workbook that reads back damaged; memory
// that runs short, or would run short inside the library, is an out-of-memory error and throws nothing. Messages
// name shownAs when given (the final name of a workbook written under a temporary one).
ServiceError WriteWorkbook(
    const Worksheet& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs = {});

} // namespace ornal
