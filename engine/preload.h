#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// The usable fields of a command line "|horses|bet size|number|number|...".
struct PreloadFields {
    std::string horseCountText; // field 1, trimmed: numeric, above 0 and at most 20
    std::optional<std::string> betSizeText; // field 2, trimmed, when numeric from 2 to 7
    std::vector<std::string> numbers; // fields 3 to n + 2, trimmed (empty when missing), n = rounded horse count
};

// The program's arguments as the preload sees them: joined with single spaces, then trimmed.
std::string JoinCommandLine(const std::vector<std::string>& arguments);

// The fields of commandLineText, or nullopt when field 1 is not a usable horse count (then nothing is preloaded).
std::optional<PreloadFields> ParsePreload(std::string_view commandLineText);

} // namespace ornal
