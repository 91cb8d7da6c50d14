#pragma once

#include "guarantee.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// --reduire, --secondes and --graine as read, before any list exists.
struct ReductionChoice {
    std::optional<Guarantee> guarantee; // --reduire P,T
    std::optional<int> seconds; // --secondes S; 5 when not given
    std::optional<std::uint64_t> seed; // --graine N: one search thread, with that seed
};

// True for --reduire, --secondes and --graine.
bool IsReductionOption(std::string_view option);

// Reads the value of a reduction option into choice; the misuse, in French, when the text is malformed.
std::optional<std::string> ReadReductionOption(
    std::string_view option, std::string_view value, ReductionChoice& choice);

// The misuse when --secondes or --graine stand without --reduire.
std::optional<std::string> CheckReductionChoice(const ReductionChoice& choice);

} // namespace ornal
