#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ornal {

// Reads a written workbook back whole: nothing when the archive opens, every part reads to its end with the size
// and CRC its directory announces, and every XML part (.xml, .rels) is well-formed from start to end; else, in
// French, why the archive cannot be read or the first damaged part ("partie NAME : why").
std::optional<std::string> FindDamagedPart(const std::filesystem::path& workbook);

} // namespace ornal
