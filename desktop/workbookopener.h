#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace ornal {

// Starts the desktop's registered application for .xlsx workbooks on file, without waiting for it; nullopt once
// it is started, otherwise why not (in French). Fits the export's WorkbookOpener.
std::optional<std::string> OpenWithRegisteredApplication(const std::filesystem::path& file);

} // namespace ornal
