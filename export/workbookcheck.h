#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ornal {

// Reads the written workbook back: nothing when every part is whole, else in French the first part found cut short
// ("partie NAME : why") or why the file is no readable zip archive.
std::optional<std::string> FindIncompletePart(const std::filesystem::path& workbook);

} // namespace ornal
