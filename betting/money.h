#pragma once

#include "engine/inputlimits.h"
#include "engine/refusal.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace ornal {

// cents written the French way: "1 234,50 €" (no-break spaces), "-3,00 €" for a loss.
std::string FormatEuros(std::int64_t cents);

// The amount text names, written as the program writes amounts or as a player types them ("1 250,40 €" with a space,
// a no-break space or a narrow no-break space between the thousands, "1250,40", "1250.40", "2", " 3,5 "), from 0 up
// to maxCents, or a French refusal. Every amount a player types goes through here.
Result<std::int64_t> ParseEuros(std::string_view text, std::int64_t maxCents = kMaxAmountCents);

// A stake, read as ParseEuros reads it, from 0,01 € up to kMaxAmountCents: nothing is played for nothing, so zero
// and negative stakes are refused as stakes.
Result<std::int64_t> ParseStake(std::string_view text);

} // namespace ornal
