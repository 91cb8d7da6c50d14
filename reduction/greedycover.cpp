#include "reduction/greedycover.h"

#include <cstdint>
#include <queue>
#include <utility>

namespace ornal {

std::vector<SetSystem::Index> GreedyCover(const SetSystem& sets)
{
    using Index = SetSystem::Index;
    std::vector<std::uint32_t> metBy(sets.elementCount(), 0);
    std::vector<Index> chosen;

    // Gains only fall as lines are chosen, so a stale gain is an upper bound: pop, refresh, and take the line when
    // its fresh gain still leads. The key orders by gain, then by the lower line.
    using Entry = std::pair<Index, Index>; // gain, ~line
    std::priority_queue<Entry> queue;
    for (Index line = 0; line < sets.setCount(); ++line) {
        queue.emplace(static_cast<Index>(sets.members(line).size()), ~line);
    }
    Index unmet = sets.elementCount();
    while (unmet > 0 && !queue.empty()) {
        const auto [stale, key] = queue.top();
        queue.pop();
        const Index line = ~key;
        Index gain = 0;
        for (Index arrival : sets.members(line)) {
            gain += metBy[arrival] == 0 ? 1 : 0;
        }
        if (gain == 0) {
            continue;
        }
        if (gain < stale) {
            queue.emplace(gain, key);
            continue;
        }
        chosen.push_back(line);
        for (Index arrival : sets.members(line)) {
            unmet -= metBy[arrival]++ == 0 ? 1 : 0;
        }
    }

    std::vector<Index> kept;
    std::vector<bool> dropped(chosen.size(), false);
    for (std::size_t i = chosen.size(); i-- > 0;) {
        bool needed = false;
        for (Index arrival : sets.members(chosen[i])) {
            needed = needed || metBy[arrival] == 1;
        }
        if (!needed) {
            dropped[i] = true;
            for (Index arrival : sets.members(chosen[i])) {
                --metBy[arrival];
            }
        }
    }
    for (std::size_t i = 0; i < chosen.size(); ++i) {
        if (!dropped[i]) {
            kept.push_back(chosen[i]);
        }
    }
    return kept;
}

} // namespace ornal
