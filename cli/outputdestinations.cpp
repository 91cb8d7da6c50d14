#include "cli/outputdestinations.h"

#include "files/fileproblem.h"
#include "files/printabletext.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace ornal {

namespace {

struct Destination {
    const char* option;
    std::filesystem::path file;
    std::filesystem::path resolved;
};

// The path that names the same file whichever way it is written: absolute, its folders' links followed.
std::filesystem::path resolvedPath(const std::filesystem::path& file)
{
    std::error_code error;
    std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(file, error), error);
    return error ? std::filesystem::absolute(file, error).lexically_normal() : resolved;
}

// The system error that keeps a new file named file from being created, or 0 when nothing does.
int creationError(const std::filesystem::path& file)
{
    struct stat status { };
    if (::lstat(file.c_str(), &status) == 0) {
        return S_ISDIR(status.st_mode) ? EISDIR : EEXIST;
    }
    if (errno != ENOENT) {
        return errno;
    }
    const std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
    if (::stat(folder.c_str(), &status) != 0) {
        return errno;
    }
    if (!S_ISDIR(status.st_mode)) {
        return ENOTDIR;
    }
    return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

std::vector<Destination> destinationsOf(const CommandLineOptions& options)
{
    std::vector<Destination> destinations;
    const auto add = [&destinations](const char* option, const std::optional<std::string>& file) {
        if (file) {
            destinations.push_back({ option, *file, resolvedPath(*file) });
        }
    };
    add("--xlsx", options.xlsx);
    add("--enregistrer", options.saveGame);
    add("--csv", options.csv);
    add("--pdf", options.pdf);
    return destinations;
}

} // namespace

std::optional<std::string> SharedDestination(const CommandLineOptions& options)
{
    const std::vector<Destination> destinations = destinationsOf(options);
    for (std::size_t i = 0; i < destinations.size(); ++i) {
        for (std::size_t j = i + 1; j < destinations.size(); ++j) {
            if (destinations[i].resolved == destinations[j].resolved) {
                return std::string(destinations[i].option) + " et " + destinations[j].option
                    + " nomment le même fichier « " + PrintableText(destinations[j].file.string()) + " ».";
            }
        }
    }
    return std::nullopt;
}

Result<void> CheckDestinations(const CommandLineOptions& options)
{
    for (const Destination& destination : destinationsOf(options)) {
        const int error = creationError(destination.file);
        if (error == 0) {
            continue;
        }
        // The workbook keeps the words its export has always used for the same refusals.
        if (destination.option == std::string_view("--xlsx")) {
            const std::string named = "Le fichier « " + PrintableText(destination.file.string()) + " » ";
            return Refusal::Saying(named
                + (error == EEXIST ? std::string("existe déjà : il n'est pas remplacé.")
                                   : "n'a pas pu être créé : " + FileProblem::FromErrno(error).reason + "."))
                .causedBy(error);
        }
        return Refusal::Saying("ornal : " + CannotSaveSentence(destination.file, FileProblem::FromErrno(error).reason))
            .causedBy(error);
    }
    return {};
}

} // namespace ornal
