#pragma once

#include "files/fileproblem.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace ornal {

// The content of a file read whole, or the refusal with the French sentence naming the file ("Impossible d'ouvrir
// « x » : c'est un dossier."), caused by the system's error when there is one.
using ReadOutcome = Result<std::string>;

// Reads file whole when it is a regular file (followed through symbolic links) of at most maxBytes bytes. Folders,
// pipes and devices are refused without being read and without blocking; a file that grows past maxBytes while
// it is read is refused too.
ReadOutcome ReadFileLimited(const std::filesystem::path& file, std::size_t maxBytes);

// A size in the player's words: "16 Mo", "64 ko" or "1 500 octets".
std::string SizeText(std::size_t bytes);

} // namespace ornal
