#pragma once

#include "betting/runners.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// What a pasted text or a text file of runners holds.
struct PastedRunners {
    std::vector<Runner> runners; // in the order of the lines, not yet checked
    std::vector<int> unreadableLines; // counted from 1; blank lines are neither read nor reported
};

// One runner a line: the line's first number is the runner's (whole, 1 to 99), the first decimal number after it
// its odds ("5,2" or "5.2"); words in between, a name for instance, are skipped.
PastedRunners ReadRunnerLines(std::string_view text);

// "Ligne illisible : 3." or "Lignes illisibles : 3, 7."; empty when every line was read.
std::string UnreadableLinesText(const std::vector<int>& lines);

} // namespace ornal
