#pragma once

#include <filesystem>
#include <string>

namespace ornal {

// The window's executable, found in its fixed place relative to this program; empty with the reason in French in
// failure when this program's own place is unknown.
std::filesystem::path WindowExecutable(std::string& failure);

// Replaces this process with the window's executable, handing it the arguments unchanged (argv[0] included).
// Returns only when that failed, with the reason in French.
std::string StartWindow(char* argv[]);

} // namespace ornal
