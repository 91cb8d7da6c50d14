#pragma once

#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "engine/refusal.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// A moment of the player's local clock.
struct LocalDateTime {
    int year = 1970, month = 1, day = 1; // month 1 to 12, day 1 to 31
    int hour = 0, minute = 0, second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// The local clock now.
LocalDateTime CurrentLocalDateTime();

// The date in the French short date form, dd/mm/yyyy.
std::string ShortDate(const LocalDateTime& moment);

// Shows a written workbook to the player; returns nullopt once it is on its way, or why it could not be (French).
using WorkbookOpener = std::function<std::optional<std::string>(const std::filesystem::path& file)>;

// One export: what to write and where. The list is required, and so is a destination, a file or a folder; the
// export opens nothing and finds no folder by itself: the caller brings both.
struct ExportRequest {
    const CombinationList& list;
    std::string selectionText {}; // SelectionText
    std::string baseText = std::string(text::kNoBase); // what the Base box shows
    std::string caption = std::string(text::kProgramTitle); // the main window's caption
    std::vector<std::string> notes {}; // lines below the signature, one a row: the bet and the bases in force
    std::filesystem::path file {}; // a file to create, never replaced; when empty, a fresh dated name in folder
    std::filesystem::path folder {}; // the folder of fresh names
    std::optional<LocalDateTime> moment {}; // the date written and the time in a fresh name; empty: now
    WorkbookOpener open {}; // shows the written workbook; empty: nothing is opened
};

// How an export ended, for the caller to show. Written and opened when no refusal stands; otherwise the refusal's
// message is shown once the pointer is back: the empty-list information (nothing written), or the critical message
// of a failure, a workbook written but not opened included (path then names it).
struct ExportOutcome {
    std::optional<Refusal> refusal;
    std::filesystem::path path; // the workbook written, empty when none was
    std::optional<CombinationList::Count> selectedLine; // the line List1 is to select: the last line laid out

    // True when the workbook is written, and opened when an opener was given.
    bool written() const { return !refusal; }
};

// The empty-list information: "Liste vide." and "Export vers Microsoft Excel annulé.", titled "Ornal".
Message EmptyListExportMessage();

// The name of the workbook exported at moment, "Ornal_yyyy-mm-dd_hh-mm-ss.xlsx"; attempt 2 and above add
// "_2", "_3"... before the extension.
std::string WorkbookFileName(const LocalDateTime& moment, int attempt = 1);

// The first workbook name of moment, from attempt firstAttempt on, that folder does not hold yet.
Result<std::filesystem::path> FreeWorkbookName(
    const std::filesystem::path& folder, const LocalDateTime& moment, int firstAttempt);

// Exports request.list with its heading block into a new workbook at the request's destination, written whole or
// not at all, then hands it to the request's opener; returns once it is, on the caller's thread. A shortage of
// memory is a critical message. The list is never changed. Throws nothing.
ExportOutcome ExportCombinationList(const ExportRequest& request);

} // namespace ornal
