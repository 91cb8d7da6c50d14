#pragma once

#include "engine/messages.h"

#include <cstdint>
#include <optional>

namespace ornal {

// How many lines a player asks a reduction to keep, shared by the window and the command line.
struct LineBudget {
    std::uint64_t lines = 0; // set when refusal is not
    std::optional<Message> refusal;
};

// N lines as typed; fewer than one is refused.
LineBudget LinesAsked(std::uint64_t lines);

// The lines budgetCents pays at stakeCents a line; a budget below one stake (or a stake of nothing) is refused.
LineBudget LinesOfBudget(std::int64_t budgetCents, std::int64_t stakeCents);

} // namespace ornal
