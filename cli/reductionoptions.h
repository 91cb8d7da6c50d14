#pragma once

#include "reduction/guarantee.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// --reduire, --secondes, --graine, --lignes and --budget as read, before any list exists.
struct ReductionChoice {
    std::optional<Guarantee> guarantee; // --reduire P,T
    std::optional<int> seconds; // --secondes S; 5 when not given
    std::optional<std::uint64_t> seed; // --graine N: one search thread, with that seed
    std::optional<std::uint64_t> lines; // --lignes N: keep N lines holding as many arrivals as they can
    std::optional<std::int64_t> budgetCents; // --budget EUROS: as many lines as the budget pays at the stake
};

// True for --reduire, --secondes, --graine, --lignes and --budget.
bool IsReductionOption(std::string_view option);

// Reads the value of a reduction option into choice; the misuse, in French, when the text is malformed.
std::optional<std::string> ReadReductionOption(
    std::string_view option, std::string_view value, ReductionChoice& choice);

// The misuse when --secondes, --graine, --lignes or --budget stand without --reduire, --lignes with --budget, or
// --budget without a bet type (hasBetType: --jeu was given) to price its lines.
std::optional<std::string> CheckReductionChoice(const ReductionChoice& choice, bool hasBetType);

} // namespace ornal
