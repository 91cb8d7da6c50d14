#include "workbookfile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace ornal {

namespace {

std::string frenchReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return "accès refusé";
    case ENOENT:
    case ENOTDIR:
        return "dossier introuvable";
    case ENOSPC:
        return "disque plein";
    case EDQUOT:
        return "quota de disque dépassé";
    case EROFS:
        return "support en lecture seule";
    case EEXIST:
        return "le fichier existe déjà";
    default:
        return std::strerror(error);
    }
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

ServiceError ReserveNewFile(const std::filesystem::path& file)
{
    const int descriptor = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        const int error = errno;
        const std::string what = error == EEXIST
            ? "Le fichier « " + file.string() + " » existe déjà : il n'est pas remplacé."
            : "Le fichier « " + file.string() + " » n'a pas pu être créé : " + frenchReason(error) + ".";
        return { serviceerror::kFileAccess, what };
    }
    ::close(descriptor);
    return {};
}

ServiceError ReserveWorkbookIn(
    const std::filesystem::path& folder, const LocalDateTime& moment, std::filesystem::path& file)
{
    // Two exports within one second get "_2", "_3"...; the bound only stops a folder full of them.
    constexpr int kAttempts = 1000;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        const std::filesystem::path candidate = folder / WorkbookFileName(moment, attempt);
        const int descriptor = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (descriptor >= 0) {
            ::close(descriptor);
            file = candidate;
            return {};
        }
        const int error = errno;
        if (error != EEXIST) {
            return { serviceerror::kFileAccess,
                "Le classeur n'a pas pu être créé dans le dossier « " + folder.string() + " » : " + frenchReason(error)
                    + "." };
        }
    }
    return { serviceerror::kFileAccess,
        "Le dossier « " + folder.string() + " » contient déjà trop de classeurs de cette seconde." };
}

} // namespace ornal
