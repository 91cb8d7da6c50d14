#pragma once

// What several suites (and the benchmarks) build their cases from, written once.

#include "engine/combinationengine.h"
#include "engine/combinationlist.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// A list holding lines, in their order.
inline CombinationList MakeList(std::initializer_list<std::string_view> lines)
{
    CombinationList list;
    for (std::string_view line : lines) {
        list.append(line);
    }
    return list;
}

// Every line of list, in its order.
inline std::vector<std::string> LinesOf(const CombinationList& list)
{
    std::vector<std::string> lines;
    lines.reserve(list.size());
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        lines.emplace_back(list.line(i));
    }
    return lines;
}

// 20 horses numbered 1 to 20 and bets of betSize: C(20, betSize) lines.
inline Selection TwentyHorses(int betSize)
{
    Selection sel;
    sel.horseCountText = "20";
    sel.betSizeText = std::to_string(betSize);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.numbers[i] = std::to_string(i + 1);
        sel.shown[i] = true;
    }
    return sel;
}

// The largest selection: 20 horses, bets of 7 (C(20, 7) = 77,520 lines); with three bases, the horses 2, 4 and 6
// ticked.
inline Selection LargestSelection(bool threeBases = false)
{
    Selection sel = TwentyHorses(7);
    if (threeBases) {
        sel.baseText = "3";
        sel.baseCount = 3;
        sel.marks[1] = sel.marks[3] = sel.marks[5] = true;
    }
    return sel;
}

// The lines of the largest selection.
inline CombinationList LargestList()
{
    return ComputeCombinations(LargestSelection()).list;
}

// C(n, k), 0 outside 0 <= k <= n, by Pascal's rule: the suites' own reference, worked out another way than the
// program's product formula, so that line counts are not checked against the code that sizes them.
inline std::uint64_t Binomial(int n, int k)
{
    if (k < 0 || n < k) {
        return 0;
    }
    std::vector<std::uint64_t> row(static_cast<std::size_t>(k) + 1, 0);
    row[0] = 1;
    for (int i = 1; i <= n; ++i) {
        for (int j = std::min(i, k); j > 0; --j) {
            row[static_cast<std::size_t>(j)] += row[static_cast<std::size_t>(j) - 1];
        }
    }
    return row[static_cast<std::size_t>(k)];
}

// A file's bytes, empty when it cannot be read.
inline std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace ornal
