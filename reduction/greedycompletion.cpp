#include "reduction/greedycompletion.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <utility>

namespace ornal {

std::vector<ArrivalSpace::Index> GreedyCompletion(const ArrivalSpace& space, std::span<const ArrivalSpace::Index> lines)
{
    using Index = ArrivalSpace::Index;
    std::vector<std::uint8_t> met(space.arrivalCount(), 0);
    for (Index line : lines) {
        for (Index arrival : space.arrivalsOf(line)) {
            met[arrival] = 1;
        }
    }
    // Only the lines meeting an unmet arrival can gain anything: few of them when few arrivals are unmet.
    std::vector<Index> candidates;
    std::size_t unmet = 0;
    for (Index arrival = 0; arrival < space.arrivalCount(); ++arrival) {
        if (!met[arrival]) {
            ++unmet;
            const std::span<const Index> meeting = space.linesOf(arrival);
            candidates.insert(candidates.end(), meeting.begin(), meeting.end());
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    const auto gainOf = [&](Index line) {
        Index gain = 0;
        for (Index arrival : space.arrivalsOf(line)) {
            gain += met[arrival] ? 0 : 1;
        }
        return gain;
    };
    // Gains only fall as lines are added, so a stale gain is an upper bound (as in the greedy cover).
    using Entry = std::pair<Index, Index>; // gain, ~line
    std::priority_queue<Entry> queue;
    for (Index line : candidates) {
        queue.emplace(gainOf(line), ~line);
    }
    std::vector<Index> added;
    while (unmet > 0 && !queue.empty()) {
        const auto [stale, key] = queue.top();
        queue.pop();
        const Index gain = gainOf(~key);
        if (gain == 0) {
            continue;
        }
        if (gain < stale) {
            queue.emplace(gain, key);
            continue;
        }
        added.push_back(~key);
        for (Index arrival : space.arrivalsOf(~key)) {
            unmet -= met[arrival] ? 0 : 1;
            met[arrival] = 1;
        }
    }
    return added;
}

} // namespace ornal
