#pragma once

#include "document/savedgame.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornal {

inline constexpr std::string_view kTooManyLines = "la liste compte plus de 77 520 lignes";

// Checks every value of game against the limits of the file format (lengths, ranges, UTF-8, line shape, counts):
// nullopt when a file written from it will open again, otherwise what is wrong, in French, naming the member.
std::optional<std::string> CheckGame(const SavedGame& game);

} // namespace ornal
