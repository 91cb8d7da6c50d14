#pragma once

#include "engine/combinationlist.h"
#include "fuzz/fuzzinput.h"

#include <string>
#include <vector>

namespace ornal::fuzz {

// One field of a combination line: mostly horse numbers as the boxes hold them, now and then any text.
inline std::string FuzzedNumber(FuzzInput& in)
{
    switch (in.byte() % 4) {
    case 0:
    case 1:
        return std::to_string(in.range(0, 25));
    case 2:
        return in.textFrom(" 0123456789.+", 4);
    default:
        return in.text(6);
    }
}

// A list of lines, most in the line format ("-", then each number followed by "-"), some of any text at all.
inline CombinationList FuzzedList(FuzzInput& in, int maxLines = 64)
{
    CombinationList list;
    const int lines = in.range(0, maxLines);
    for (int i = 0; i < lines && in.remaining() > 0; ++i) {
        if (in.byte() % 8 == 0) {
            list.append(in.text(20));
            continue;
        }
        const int numbers = in.range(0, 9);
        std::string line = "-";
        for (int j = 0; j < numbers; ++j) {
            line += FuzzedNumber(in) + "-";
        }
        list.append(line);
    }
    return list;
}

// The line's fields between its first and its last dash: its own numbers, read apart from the engine.
inline std::vector<std::string> OwnNumbers(std::string_view line)
{
    std::vector<std::string> pieces(1);
    for (const char c : line) {
        if (c == '-') {
            pieces.emplace_back();
        } else {
            pieces.back().push_back(c);
        }
    }
    if (pieces.size() < 3) {
        return {}; // fewer than two dashes: nothing stands between them
    }
    return std::vector<std::string>(pieces.begin() + 1, pieces.end() - 1);
}

// Whether a line is in the line format: it begins and ends with a dash.
inline bool InLineFormat(std::string_view line)
{
    return !line.empty() && line.front() == '-' && line.back() == '-';
}

} // namespace ornal::fuzz
