#include "reduction/greedycover.h"

#include <algorithm>
#include <cstdint>
#include <queue>
#include <utility>

namespace ornal {

namespace {

using Index = SetSystem::Index;

// Adds the candidate holding most elements of which metBy counts none, again and again (the lowest candidate on a
// tie), until every element is held or no candidate holds another; returns the candidates taken, in order. Gains
// only fall as candidates are taken, so a stale gain is an upper bound: pop, refresh, and take the candidate when its
// fresh gain still leads. The key orders by gain, then by the lower candidate.
std::vector<Index> TakeGreedily(
    const SetSystem& sets, std::span<const Index> candidates, std::vector<std::uint32_t>& metBy, std::size_t unmet)
{
    const auto gainOf = [&](Index set) {
        Index gain = 0;
        for (Index element : sets.members(set)) {
            gain += metBy[element] == 0 ? 1 : 0;
        }
        return gain;
    };
    using Entry = std::pair<Index, Index>; // gain, ~set
    std::priority_queue<Entry> queue;
    for (Index set : candidates) {
        queue.emplace(gainOf(set), ~set);
    }
    std::vector<Index> taken;
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
        taken.push_back(~key);
        for (Index element : sets.members(~key)) {
            unmet -= metBy[element]++ == 0 ? 1 : 0;
        }
    }
    return taken;
}

} // namespace

std::vector<SetSystem::Index> GreedyCover(const SetSystem& sets)
{
    std::vector<std::uint32_t> metBy(sets.elementCount(), 0);
    std::vector<Index> all(sets.setCount());
    for (Index set = 0; set < sets.setCount(); ++set) {
        all[set] = set;
    }
    return WithoutRedundant(sets, TakeGreedily(sets, all, metBy, sets.elementCount()));
}

std::vector<SetSystem::Index> WithoutRedundant(const SetSystem& sets, std::span<const SetSystem::Index> kept)
{
    std::vector<std::uint32_t> metBy(sets.elementCount(), 0);
    for (Index set : kept) {
        for (Index element : sets.members(set)) {
            ++metBy[element];
        }
    }
    std::vector<bool> dropped(kept.size(), false);
    for (std::size_t i = kept.size(); i-- > 0;) {
        const std::span<const Index> members = sets.members(kept[i]);
        if (std::none_of(members.begin(), members.end(), [&metBy](Index e) { return metBy[e] == 1; })) {
            dropped[i] = true;
            for (Index element : members) {
                --metBy[element];
            }
        }
    }
    std::vector<Index> left;
    left.reserve(kept.size());
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (!dropped[i]) {
            left.push_back(kept[i]);
        }
    }
    return left;
}

std::vector<SetSystem::Index> GreedyCompletion(const SetSystem& sets, std::span<const SetSystem::Index> kept)
{
    std::vector<std::uint32_t> metBy(sets.elementCount(), 0);
    for (Index set : kept) {
        for (Index element : sets.members(set)) {
            ++metBy[element];
        }
    }
    // Only the sets holding an element left unheld can gain anything: few of them when few elements are left.
    std::vector<Index> candidates;
    std::size_t unmet = 0;
    for (Index element = 0; element < sets.elementCount(); ++element) {
        if (metBy[element] == 0) {
            ++unmet;
            const std::span<const Index> holding = sets.setsOf(element);
            candidates.insert(candidates.end(), holding.begin(), holding.end());
        }
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    return TakeGreedily(sets, candidates, metBy, unmet);
}

} // namespace ornal
