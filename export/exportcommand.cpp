#include "export/exportcommand.h"

#include "files/atomicwriter.h"

#include "export/sheetlayout.h"
#include "export/workbookfile.h"
#include "export/workbookwriter.h"

#include <cerrno>
#include <new>
#include <utility>

namespace ornal {

namespace {

constexpr const char* kFailureTitle = "F-> : Ornal";
constexpr const char* kOutOfMemory = "Export interrompu : mémoire insuffisante pour écrire le classeur.";

ExportOutcome failed(ExportOutcome outcome, std::string text)
{
    outcome.status = ExportOutcome::Status::Failed;
    outcome.message = Message { std::move(text), MessageIcon::Critical, kFailureTitle };
    return outcome;
}

// Writes sheet at the request's file, or under a fresh dated name in its folder, never over an existing file. The
// workbook is written under a hidden temporary name, checked, then renamed: its name never holds a half workbook,
// whatever stops the program meanwhile.
Result<std::filesystem::path> save(const SheetLayout& sheet, const ExportRequest& request, const LocalDateTime& moment)
{
    for (int attempt = 1;; ++attempt) {
        std::filesystem::path file = request.file;
        if (file.empty()) {
            Result<std::filesystem::path> free = FreeWorkbookName(request.folder, moment, attempt);
            if (!free) {
                return free.refusal();
            }
            file = *free;
        } else if (Result<void> check = CheckNewFile(file); !check) {
            return check.refusal();
        }
        std::optional<Refusal> writing;
        const WriteOutcome outcome = WriteFileByName(file, [&](const std::string& temporary) -> FileStep {
            if (Result<void> written = WriteWorkbook(sheet, temporary, file); !written) {
                writing = written.refusal();
                return FileProblem { written.refusal().text(), 0 };
            }
            return std::nullopt;
        });
        if (writing) {
            return *writing;
        }
        if (outcome.written()) {
            return file;
        }
        // Another program took the name meanwhile: a dated name moves on to the next one.
        if (outcome.problem->errorNumber != EEXIST) {
            return Refusal::Saying(
                "Le classeur n'a pas pu être écrit dans « " + file.string() + " » : " + outcome.problem->reason + ".");
        }
        if (Result<void> check = CheckNewFile(file); !check && !request.file.empty()) {
            return check.refusal();
        }
    }
}

} // namespace

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
    if (request.file.empty() && request.folder.empty()) {
        return failed({}, "Aucun fichier ni dossier de destination n'a été donné au classeur.");
    }
    // The sheet is gone by the time a shortage is reported: the message has room.
    try {
        const LocalDateTime moment = request.moment.value_or(CurrentLocalDateTime());
        const Result<std::filesystem::path> saved = [&] {
            const SheetLayout sheet = LayOutSheet(request, ShortDate(moment));
            outcome.selectedLine = request.list.size() - 1;
            return save(sheet, request, moment);
        }();
        if (!saved) {
            return failed(std::move(outcome), saved.refusal().text());
        }
        outcome.path = *saved;
        if (request.open) {
            if (const std::optional<std::string> why = request.open(outcome.path)) {
                return failed(std::move(outcome),
                    "Le classeur a été enregistré dans « " + outcome.path.string()
                        + " », mais il n'a pas pu être ouvert : " + *why + ".");
            }
        }
        outcome.status = ExportOutcome::Status::Written;
        return outcome;
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), kOutOfMemory);
    }
}

} // namespace ornal
