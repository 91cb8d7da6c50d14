#pragma once

#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "export/localdatetime.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The call runs on the caller's thread and returns once the file is written and handed to the opener; the caller
// restores its busy pointer before it shows the message, if any. The list itself is never changed.

namespace ornal {

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

// How an export ended, for the caller to show.
struct ExportOutcome {
    enum class Status {
        EmptyList, // nothing was written; message is the empty-list information
        Written, // the workbook is written (and opened when an opener was given)
        Failed, // message is the critical message of the failure
    };

    Status status = Status::Failed;
    std::optional<Message> message; // the message to show once the pointer is back, if any
    std::filesystem::path path; // the workbook written, empty when none was
    std::optional<CombinationList::Count> selectedLine; // the line List1 is to select: the last line laid out
};

// The empty-list information: "Liste vide." and "Export vers Microsoft Excel annulé.", titled "Ornal".
Message EmptyListExportMessage();

// Exports request.list with its heading block into a new workbook at the request's destination, written whole or
// not at all, then hands it to the request's opener. A shortage of memory is a critical message. Throws nothing.
ExportOutcome ExportCombinationList(const ExportRequest& request);

} // namespace ornal
