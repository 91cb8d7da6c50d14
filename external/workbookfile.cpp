#include "workbookfile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace ornal {

namespace {

bool isFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    return !folder.empty() && std::filesystem::is_directory(folder, error);
}

// The documents folder named in the XDG user-dirs file, as XDG_DOCUMENTS_DIR="$HOME/Documents".
std::filesystem::path xdgDocumentsFolder(const std::string& home)
{
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path config
        = configHome && *configHome ? std::filesystem::path(configHome) : std::filesystem::path(home) / ".config";
    std::ifstream file(config / "user-dirs.dirs");
    std::string line;
    constexpr std::string_view kKey = "XDG_DOCUMENTS_DIR=";
    while (std::getline(file, line)) {
        if (line.rfind(kKey, 0) != 0) {
            continue;
        }
        std::string value = line.substr(kKey.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
            value = value.substr(1, value.size() - 2);
        }
        if (value.rfind("$HOME", 0) == 0) {
            value = home + value.substr(5);
        }
        // A documents folder equal to the home folder means the player has none of its own.
        if (std::filesystem::path(value) == std::filesystem::path(home)) {
            return {};
        }
        return value;
    }
    return {};
}

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

std::filesystem::path DocumentsFolder()
{
    const char* home = std::getenv("HOME");
    if (home && *home) {
        if (const std::filesystem::path xdg = xdgDocumentsFolder(home); isFolder(xdg)) {
            return xdg;
        }
        if (const std::filesystem::path documents = std::filesystem::path(home) / "Documents"; isFolder(documents)) {
            return documents;
        }
    }
    std::error_code error;
    std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : temporary;
}

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
