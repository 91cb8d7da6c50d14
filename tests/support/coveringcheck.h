#pragma once

// The slow reference the reduction's front ends are checked against: arrivals counted one by one over parsed lines,
// independently of the library's own check.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace ornal {

// The horses of a line ("-3-12-") as bits 1 << n.
inline std::uint32_t LineMask(const std::string& line)
{
    std::uint32_t mask = 0;
    std::size_t start = 1;
    for (std::size_t dash; (dash = line.find('-', start)) != std::string::npos; start = dash + 1) {
        mask |= 1u << std::stoi(line.substr(start, dash - start));
    }
    return mask;
}

// The sets of p horses among 1..v holding the bases (bits 1 << n) that no line holds t of.
inline int UnmetArrivals(const std::vector<std::string>& lines, int v, int p, int t, std::uint32_t bases = 0)
{
    std::vector<std::uint32_t> masks;
    for (const std::string& line : lines) {
        masks.push_back(LineMask(line));
    }
    int unmet = 0;
    for (std::uint32_t arrival = 0; arrival < (1u << (v + 1)); arrival += 2) {
        if (std::popcount(arrival) == p && (arrival & bases) == bases) {
            unmet += std::none_of(
                masks.begin(), masks.end(), [&](std::uint32_t line) { return std::popcount(line & arrival) >= t; });
        }
    }
    return unmet;
}

// True when every line of part is in whole, in the same order.
inline bool InListOrder(const std::vector<std::string>& part, const std::vector<std::string>& whole)
{
    auto next = whole.begin();
    for (const std::string& line : part) {
        next = std::find(next, whole.end(), line);
        if (next == whole.end()) {
            return false;
        }
        ++next;
    }
    return true;
}

} // namespace ornal
