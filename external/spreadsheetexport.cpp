#include "spreadsheetexport.h"

#include "exporttospreadsheet.h"
#include "fileopener.h"

#include <utility>

namespace ornal {

namespace {

constexpr const char* kFailureTitle = "F-> : Ornal";

} // namespace

WorkbookOpener ExportRequest::OpenDefault()
{
    return OpenWithRegisteredApplication;
}

Message EmptyListExportMessage()
{
    return { "Liste vide.\rExport vers Microsoft Excel annulé.", MessageIcon::Information, "Ornal" };
}

ExportOutcome ExportCombinationList(const ExportRequest& request)
{
    ExportOutcome outcome;
    if (request.list.empty()) {
        outcome.status = ExportOutcome::Status::EmptyList;
        outcome.message = EmptyListExportMessage();
        return outcome;
    }

    const LocalDateTime moment = request.now ? request.now() : CurrentLocalDateTime();
    const WorkbookTarget target { request.file, request.folder, moment, request.open };
    std::unique_ptr<SpreadsheetService> service
        = request.createService ? request.createService(target) : std::make_unique<WorkbookService>(target);
    ExportRun run;
    if (!service) {
        run.error = { serviceerror::kCannotCreate, "Le service de classeur n'a pas pu être créé." };
    } else {
        const std::string date = ShortDate(moment);
        run = ExportToSpreadsheet(
            *service, { request.list, request.selectionText, request.baseText, request.caption, date });
    }

    outcome.selectedLine = run.lineReached;
    outcome.path = run.writtenPath;
    // Every failure is shown, whatever its number: an export that stopped must never pass for one that ended.
    if (run.error) {
        outcome.status = ExportOutcome::Status::Failed;
        outcome.message = Message { run.error.description, MessageIcon::Critical, kFailureTitle };
    } else {
        outcome.status = ExportOutcome::Status::Written;
    }
    return outcome;
}

} // namespace ornal
