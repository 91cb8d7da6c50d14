#pragma once

#include "listops/countrange.h"
#include "listops/horsegroup.h"

#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// What a command-line condition reads as: its value, or the French text saying why the text was refused.
template <typename T> struct OptionValue {
    std::optional<T> value;
    std::string refusal; // empty when value is set
};

// "--groupe N,N,...:MIN-MAX", e.g. "1,2,5:1-2": whole numbers separated by commas, then the bounds; unnamed.
OptionValue<HorseGroup> ParseGroupOption(std::string_view text);

// "--somme MIN-MAX", e.g. "20-40".
OptionValue<CountRange> ParseSumOption(std::string_view text);

// "--pairs MIN-MAX", e.g. "1-3".
OptionValue<CountRange> ParseEvenOption(std::string_view text);

// "--suite MAX", e.g. "3".
OptionValue<int> ParseRunOption(std::string_view text);

// What the value of the condition option --groupe, --somme, --pairs or --suite must look like, as its refusals and
// the command line's missing-value message say it: "MIN-MAX (par exemple 20-40)".
std::string ExpectedConditionValue(std::string_view option);

} // namespace ornal
