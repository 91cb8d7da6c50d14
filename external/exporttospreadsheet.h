#pragma once

#include "combinationlist.h"
#include "spreadsheetservice.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// What the export writes besides the lines.
struct ExportInput {
    const CombinationList& list;
    std::string_view selectionText; // SelectionText
    std::string_view baseText; // the text the Base box shows, "Sans Base" or a number of bases
    std::string_view caption; // the main window's caption
    std::string_view date; // today in the short date form
};

// How a run of the export ended.
struct ExportRun {
    ServiceError error; // the failure that stopped it, number 0 when none
    std::optional<CombinationList::Count> lineReached; // the last line the export took from the list
    std::string writtenPath; // the file the released service wrote, if any
};

// Writes a non-empty list and its heading block onto service, call by call, in the export's fixed order; the
// first refused call stops the run. The service is released (and thereby shown) only when every call went
// through.
ExportRun ExportToSpreadsheet(SpreadsheetService& service, const ExportInput& input);

} // namespace ornal
