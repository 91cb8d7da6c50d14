#include "export/exportcommand.h"

#include "files/atomicwriter.h"
#include "files/systemerrortext.h"

#include "export/sheetlayout.h"
#include "export/workbookwriter.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <new>
#include <utility>

namespace ornal {

namespace {

constexpr const char* kFailureTitle = "F-> : Ornal";
constexpr const char* kOutOfMemory = "Export interrompu : mémoire insuffisante pour écrire le classeur.";

ExportOutcome failed(ExportOutcome outcome, std::string text)
{
    outcome.refusal = Refusal { Message { std::move(text), MessageIcon::Critical, kFailureTitle } };
    return outcome;
}

// Why a folder or a file name cannot serve: stat and lstat fail only for reasons the system's text says well, apart
// from a missing folder, which the player knows better under that name.
std::string frenchReason(int error)
{
    return error == ENOENT || error == ENOTDIR ? "dossier introuvable" : SystemErrorText(error);
}

// file when it may be created, otherwise why not: an existing file is never replaced.
Result<std::filesystem::path> newFile(const std::filesystem::path& file)
{
    struct stat status { };
    const bool exists = ::lstat(file.c_str(), &status) == 0;
    if (const int error = exists ? 0 : errno; exists || error != ENOENT) {
        return Refusal::Saying("Le fichier « " + file.string()
            + (exists ? " » existe déjà : il n'est pas remplacé."
                      : " » n'a pas pu être créé : " + frenchReason(error) + "."));
    }
    return file;
}

// Writes sheet at the request's file, or under a fresh dated name in its folder, never over an existing file. The
// workbook is written under a hidden temporary name, checked, then renamed: its name never holds a half workbook,
// whatever stops the program meanwhile.
Result<std::filesystem::path> save(const SheetLayout& sheet, const ExportRequest& request, const LocalDateTime& moment)
{
    for (int attempt = 1;; ++attempt) {
        const Result<std::filesystem::path> file
            = request.file.empty() ? FreeWorkbookName(request.folder, moment, attempt) : newFile(request.file);
        if (!file) {
            return file;
        }
        std::optional<Refusal> writing;
        AtomicWriteOptions options;
        options.wording = [&file](std::string_view reason) {
            return "Le classeur n'a pas pu être écrit dans « " + file->string() + " » : " + std::string(reason) + ".";
        };
        const WriteOutcome outcome = WriteFileByName(
            *file,
            [&](const std::string& temporary) -> FileStep {
                if (Result<void> written = WriteWorkbook(sheet, temporary, *file); !written) {
                    writing = written.refusal();
                    return FileProblem { writing->text(), 0 };
                }
                return std::nullopt;
            },
            options);
        if (writing || outcome.ok()) {
            return writing ? Result<std::filesystem::path>(*writing) : file;
        }
        // Another program took the name meanwhile: a dated name moves on to the next one.
        if (outcome.refusal().systemError != EEXIST) {
            return outcome.refusal();
        }
    }
}

} // namespace

LocalDateTime CurrentLocalDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

std::string ShortDate(const LocalDateTime& moment)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", moment.day, moment.month, moment.year);
    return text;
}

std::string WorkbookFileName(const LocalDateTime& moment, int attempt)
{
    char text[64];
    std::snprintf(text, sizeof text, "Ornal_%04d-%02d-%02d_%02d-%02d-%02d", moment.year, moment.month, moment.day,
        moment.hour, moment.minute, moment.second);
    return text + (attempt > 1 ? '_' + std::to_string(attempt) : std::string()) + ".xlsx";
}

Result<std::filesystem::path> FreeWorkbookName(
    const std::filesystem::path& folder, const LocalDateTime& moment, int firstAttempt)
{
    struct stat status { };
    const bool found = ::stat(folder.c_str(), &status) == 0;
    if (!found || !S_ISDIR(status.st_mode)) {
        // A file standing where the folder should be leaves errno as an earlier call left it.
        return Refusal::Saying("Le classeur n'a pas pu être créé dans le dossier « " + folder.string()
            + " » : " + frenchReason(found ? ENOTDIR : errno) + ".");
    }
    // Two exports within one second get "_2", "_3"...; the bound only stops a folder full of them.
    for (int attempt = firstAttempt; attempt <= 1000; ++attempt) {
        const std::filesystem::path candidate = folder / WorkbookFileName(moment, attempt);
        if (::lstat(candidate.c_str(), &status) != 0 && errno == ENOENT) {
            return candidate;
        }
    }
    return Refusal::Saying("Le dossier « " + folder.string() + " » contient déjà trop de classeurs de cette seconde.");
}

Message EmptyListExportMessage()
{
    return { "Liste vide.\rExport vers Microsoft Excel annulé.", MessageIcon::Information, "Ornal" };
}

ExportOutcome ExportCombinationList(const ExportRequest& request)
{
    ExportOutcome outcome;
    if (request.list.empty()) {
        return { Refusal { EmptyListExportMessage() }, {}, std::nullopt };
    }
    if (request.file.empty() && request.folder.empty()) {
        return failed({}, "Aucun fichier ni dossier de destination n'a été donné au classeur.");
    }
    try {
        const LocalDateTime moment = request.moment.value_or(CurrentLocalDateTime());
        // The sheet is gone by the time a shortage is reported: the message has room.
        const Result<std::filesystem::path> saved = [&] {
            const SheetLayout sheet = LayOutSheet(request, ShortDate(moment));
            outcome.selectedLine = request.list.size() - 1;
            return save(sheet, request, moment);
        }();
        if (!saved) {
            return failed(std::move(outcome), saved.refusal().text());
        }
        outcome.path = *saved;
        if (const std::optional<std::string> why = request.open ? request.open(outcome.path) : std::nullopt) {
            return failed(std::move(outcome),
                "Le classeur a été enregistré dans « " + outcome.path.string()
                    + " », mais il n'a pas pu être ouvert : " + *why + ".");
        }
        return outcome;
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), kOutOfMemory);
    }
}

} // namespace ornal
