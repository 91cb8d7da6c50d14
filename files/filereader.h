#pragma once

#include "files/fileproblem.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace ornal {

// The content of a file read whole, or why it was refused: problem set and message the French sentence naming the
// file ("Impossible d'ouvrir « x » : c'est un dossier."), bytes then empty.
struct ReadOutcome {
    std::string bytes;
    FileStep problem;
    std::string message;

    bool ok() const { return !problem.has_value(); }
};

// Reads file whole when it is a regular file (followed through symbolic links) of at most maxBytes bytes. Folders,
// pipes and devices are refused without being read and without blocking; a file that grows past maxBytes while
// it is read is refused too.
ReadOutcome ReadFileLimited(const std::filesystem::path& file, std::size_t maxBytes);

// A size in the player's words: "16 Mo", "64 ko" or "1 500 octets".
std::string SizeText(std::size_t bytes);

} // namespace ornal
