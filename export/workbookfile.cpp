#include "export/workbookfile.h"

#include "files/systemerrortext.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace ornal {

namespace {

// Why a folder or a file name cannot serve: stat and lstat fail only for reasons the system's text says well, apart
// from a missing folder, which the player knows better under that name.
std::string frenchReason(int error)
{
    return error == ENOENT || error == ENOTDIR ? "dossier introuvable" : SystemErrorText(error);
}

} // namespace

std::string WorkbookFileName(const LocalDateTime& moment, int attempt)
{
    char text[64];
    std::snprintf(text, sizeof text, "Ornal_%04d-%02d-%02d_%02d-%02d-%02d", moment.year, moment.month, moment.day,
        moment.hour, moment.minute, moment.second);
    std::string name = text;
    if (attempt > 1) {
        name += '_' + std::to_string(attempt);
    }
    return name + ".xlsx";
}

Result<void> CheckNewFile(const std::filesystem::path& file)
{
    struct stat status { };
    if (::lstat(file.c_str(), &status) == 0) {
        return Refusal::Saying("Le fichier « " + file.string() + " » existe déjà : il n'est pas remplacé.");
    }
    const int error = errno;
    if (error != ENOENT) {
        return Refusal::Saying(
            "Le fichier « " + file.string() + " » n'a pas pu être créé : " + frenchReason(error) + ".");
    }
    return {};
}

Result<std::filesystem::path> FreeWorkbookName(
    const std::filesystem::path& folder, const LocalDateTime& moment, int firstAttempt)
{
    struct stat status { };
    const bool found = ::stat(folder.c_str(), &status) == 0;
    if (!found || !S_ISDIR(status.st_mode)) {
        // A file standing where the folder should be leaves errno as an earlier call left it.
        const int error = found ? ENOTDIR : errno;
        return Refusal::Saying("Le classeur n'a pas pu être créé dans le dossier « " + folder.string()
            + " » : " + frenchReason(error) + ".");
    }
    // Two exports within one second get "_2", "_3"...; the bound only stops a folder full of them.
    constexpr int kAttempts = 1000;
    for (int attempt = firstAttempt; attempt <= kAttempts; ++attempt) {
        const std::filesystem::path candidate = folder / WorkbookFileName(moment, attempt);
        if (::lstat(candidate.c_str(), &status) != 0 && errno == ENOENT) {
            return candidate;
        }
    }
    return Refusal::Saying("Le dossier « " + folder.string() + " » contient déjà trop de classeurs de cette seconde.");
}

} // namespace ornal
