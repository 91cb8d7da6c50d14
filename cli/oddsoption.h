#pragma once

#include "betting/runners.h"
#include "engine/refusal.h"

#include <optional>
#include <string>
#include <vector>

namespace ornal {

// --cotes as given: the runners typed on the line, or the text file that lists them.
struct OddsChoice {
    std::vector<Runner> runners; // from N=COTE,N=COTE,...
    std::optional<std::string> file; // a value without "=": read like the dialog's paste
    bool given = false;
};

// Reads the value of --cotes, or says in French why it is malformed (a misuse). Odds of 1 or below are read: the
// model refuses them later, with its own status.
std::optional<std::string> ReadOddsOption(const std::string& value, OddsChoice& choice);

// The runners of choice: those typed, or those of its file; refused, for status 1, when the file cannot be read or
// holds a line that names no runner and odds.
Result<std::vector<Runner>> LoadOddsRunners(const OddsChoice& choice);

} // namespace ornal
