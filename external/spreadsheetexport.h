#pragma once

#include "combinationlist.h"
#include "localdatetime.h"
#include "messages.h"
#include "spreadsheetservice.h"
#include "workbookservice.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

// How the window calls the export (the click on Command7):
//
//     if (!list.empty()) QApplication::setOverrideCursor(Qt::WaitCursor);
//     const ExportOutcome outcome = ExportCombinationList({ .list = list, .selectionText = m_selectionText,
//         .baseText = Base->currentText().toStdString(), .caption = windowTitle().toStdString() });
//     if (!list.empty()) QApplication::restoreOverrideCursor();
//     if (outcome.selectedLine) List1->setCurrentRow(*outcome.selectedLine);
//     if (outcome.message) show it: text (carriage returns turned into line breaks), icon and title;
//
// The call runs on the window's thread and returns once the file is written and its application started; the
// pointer is restored before any message is shown. The list itself is never changed.

namespace ornal {

// Makes the spreadsheet service of one export; nullptr when none can be made.
using ServiceFactory = std::function<std::unique_ptr<SpreadsheetService>(const WorkbookTarget& target)>;

// What one export needs. Only the list, SelectionText, the Base text and the caption have to be given; the rest
// defaults to the real clock, the player's documents folder, the desktop's application and the workbook service.
struct ExportRequest {
    const CombinationList& list;
    std::string selectionText {};
    std::string baseText = std::string(text::kNoBase);
    std::string caption = std::string(text::kProgramTitle);
    std::filesystem::path file {}; // a fixed file to create (refused when it exists); empty: a fresh name in folder
    std::function<std::filesystem::path()> folder {}; // empty: DocumentsFolder
    std::function<LocalDateTime()> now {}; // empty: CurrentLocalDateTime
    WorkbookOpener open = OpenDefault(); // empty: nothing is opened
    ServiceFactory createService {}; // empty: a WorkbookService

    // The desktop's registered application for workbooks.
    static WorkbookOpener OpenDefault();
};

// How an export ended, for the window to show.
struct ExportOutcome {
    enum class Status {
        EmptyList, // nothing was contacted; message is the empty-list information
        Written, // the workbook is written (and opened when an opener was given)
        Failed, // message is the critical message of the failure
    };

    Status status = Status::Failed;
    std::optional<Message> message; // the message to show once the pointer is back, if any
    std::filesystem::path path; // the workbook written, empty when none was
    std::optional<CombinationList::Count> selectedLine; // the line List1 is to select: the last line reached
};

// The empty-list information: "Liste vide." and "Export vers Microsoft Excel annulé.", titled "Ornal".
Message EmptyListExportMessage();

// Exports request.list with its heading block into a new workbook and shows it to the player.
ExportOutcome ExportCombinationList(const ExportRequest& request);

} // namespace ornal
