#pragma once

#include <filesystem>

namespace ornal {

// The player's documents folder: the desktop's documents folder when it exists and is not the home folder itself,
// else ~/Documents when it exists, else the temporary folder.
std::filesystem::path DocumentsFolder();

// The temporary folder: $TMPDIR when set, else the system's (/tmp).
std::filesystem::path TemporaryFolder();

} // namespace ornal
