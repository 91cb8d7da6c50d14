#pragma once

#include "engine/refusal.h"
#include "listops/countrange.h"
#include "listops/horsegroup.h"

#include <string>
#include <string_view>

namespace ornal {

// Each condition option reads as its value, or the refusal that says what its text should look like.

// "--groupe N,N,...:MIN-MAX", e.g. "1,2,5:1-2": whole numbers separated by commas, then the bounds; unnamed.
Result<HorseGroup> ParseGroupOption(std::string_view text);

// "--somme MIN-MAX", e.g. "20-40".
Result<CountRange> ParseSumOption(std::string_view text);

// "--pairs MIN-MAX", e.g. "1-3".
Result<CountRange> ParseEvenOption(std::string_view text);

// "--suite MAX", e.g. "3".
Result<int> ParseRunOption(std::string_view text);

// What the value of the condition option --groupe, --somme, --pairs or --suite must look like, as its refusals and
// the command line's missing-value message say it: "MIN-MAX (par exemple 20-40)".
std::string ExpectedConditionValue(std::string_view option);

} // namespace ornal
