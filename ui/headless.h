#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// The command-line front end: runs --print, --help and --version without a window. Returns the exit status, or
// nullopt when arguments ask for the window (no headless option among them).
std::optional<int> RunHeadless(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

} // namespace ornal
