#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace ornal {

// The number at the start of text: leading blanks skipped, optional sign, digits, optional fraction after a full
// stop; reading stops at the first character that cannot continue it. 0 when text does not start with a number.
double NumericValue(std::string_view text);

// True when text, after its leading blanks, starts with a number that NumericValue reads (".5" and "-3" do, "-" not).
bool StartsWithNumber(std::string_view text);

// The numeric-text test of the command line and the bet-size check: optional surrounding spaces, optional sign,
// digits with an optional decimal point, optional exponent; nothing else may stand in the text.
bool IsNumeric(std::string_view text);

// value rounded to the nearest whole number, a half to the even neighbour; nullopt when NaN or outside 16 bits.
std::optional<std::int16_t> RoundToInt16(double value);

// text without its leading and trailing spaces (character 32 only).
std::string_view TrimSpaces(std::string_view text);

} // namespace ornal
