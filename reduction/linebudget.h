#pragma once

#include "engine/refusal.h"

#include <cstdint>

namespace ornal {

// How many lines a player asks a reduction to keep, shared by the window and the command line.

// N lines as typed; fewer than one is refused.
Result<std::uint64_t> LinesAsked(std::uint64_t lines);

// The lines budgetCents pays at stakeCents a line; a budget below one stake (or a stake of nothing) is refused.
Result<std::uint64_t> LinesOfBudget(std::int64_t budgetCents, std::int64_t stakeCents);

} // namespace ornal
