#pragma once

#include <string>

namespace ornal {

// Replaces this process with the window's executable, handing it the arguments unchanged (argv[0] included).
// Returns only when that failed, with the reason in French.
std::string StartWindow(char* argv[]);

} // namespace ornal
