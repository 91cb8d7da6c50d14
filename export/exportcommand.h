#pragma once

#include "engine/messages.h"
#include "export/exportrequest.h"
#include "export/spreadsheetservice.h"

// How the window calls the export (the click on Command7), with the desktop's folder and opener:
//
//     if (!list.empty()) QApplication::setOverrideCursor(Qt::WaitCursor);
//     const ExportOutcome outcome = ExportCombinationList({ .list = list, .selectionText = m_selectionText,
//         .baseText = Base->currentText().toStdString(), .caption = windowTitle().toStdString(),
//         .notes = GameNotes(currentGame()), .folder = DocumentsFolder(), .open = OpenWithRegisteredApplication });
//     if (!list.empty()) QApplication::restoreOverrideCursor();
//     if (outcome.selectedLine) List1->setCurrentRow(*outcome.selectedLine);
//     if (outcome.message) show it: text (carriage returns turned into line breaks), icon and title;
//
// The call runs on the caller's thread and returns once the file is written and handed to the opener; the pointer
// is restored before any message is shown. The list itself is never changed.

namespace ornal {

// The empty-list information: "Liste vide." and "Export vers Microsoft Excel annulé.", titled "Ornal".
Message EmptyListExportMessage();

// Makes the export's calls on service for a non-empty request.list, in their fixed order: the sheet, the header
// row, the lines, the signature below them with request.notes under it, the heading block pushed in on top, the
// fitted column A. The first
// refused call stops the run; the service is released (and thereby writes and shows its workbook) only when
// every call went through. A shortage of memory ends the run with a critical message, throwing nothing.
ExportOutcome RunExportCalls(SpreadsheetService& service, const ExportRequest& request);

// Exports request.list with its heading block into a new workbook at the request's destination, through the
// request's service (a WorkbookService by default). Throws nothing.
ExportOutcome ExportCombinationList(const ExportRequest& request);

} // namespace ornal
