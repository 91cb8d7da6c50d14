#include "reduction/budgetchoice.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <queue>
#include <utility>

namespace ornal {

namespace {

using Index = SetSystem::Index;

// The depth-first search of BestChoice, one line added or taken out at a time.
class ChoiceTree {
public:
    ChoiceTree(const SetSystem& sets, std::span<const double> weights, std::size_t count, std::uint64_t workLimit,
        std::stop_token stop)
        : m_sets(sets)
        , m_weights(weights)
        , m_count(count)
        , m_workLimit(workLimit)
        , m_stop(std::move(stop))
        , m_metBy(sets.elementCount(), 0)
        , m_gains(count + 1)
    {
        const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
        // Sums in another order differ by rounding only: a branch must beat the best by more than that.
        m_slack = total * 1e-12;
        // Heaviest lines first, so that good choices come early and cut the rest.
        std::vector<double> alone(sets.setCount(), 0);
        for (Index line = 0; line < sets.setCount(); ++line) {
            for (Index arrival : sets.members(line)) {
                alone[line] += weights[arrival];
            }
        }
        m_order.resize(sets.setCount());
        std::iota(m_order.begin(), m_order.end(), Index { 0 });
        std::stable_sort(m_order.begin(), m_order.end(), [&](Index a, Index b) { return alone[a] > alone[b]; });
    }

    void start(std::span<const Index> incumbent, double held)
    {
        m_best.assign(incumbent.begin(), incumbent.end());
        m_bestHeld = held;
        visit(0);
    }

    bool complete() const { return !m_cut; }
    std::vector<Index>& best() { return m_best; }
    double bestHeld() const { return m_bestHeld; }

private:
    void add(Index line)
    {
        for (Index arrival : m_sets.members(line)) {
            m_held += m_metBy[arrival]++ == 0 ? m_weights[arrival] : 0;
        }
        m_chosen.push_back(line);
    }

    void remove(Index line)
    {
        for (Index arrival : m_sets.members(line)) {
            m_held -= --m_metBy[arrival] == 0 ? m_weights[arrival] : 0;
        }
        m_chosen.pop_back();
    }

    void visit(std::size_t from)
    {
        if ((++m_nodes & 1023) == 0 && m_stop.stop_requested()) {
            m_cut = true;
        }
        if (m_cut) {
            return;
        }
        if (m_held > m_bestHeld + m_slack) {
            m_best = m_chosen;
            m_bestHeld = m_held;
        }
        const std::size_t left = m_count - m_chosen.size();
        if (left == 0 || from == m_order.size()) {
            return;
        }
        // Gains only shrink as lines are added: the `left` largest gains bound what the branch can still add.
        std::vector<double>& gains = m_gains[m_chosen.size()];
        gains.clear();
        for (std::size_t i = from; i < m_order.size(); ++i) {
            double gain = 0;
            for (Index arrival : m_sets.members(m_order[i])) {
                gain += m_metBy[arrival] == 0 ? m_weights[arrival] : 0;
            }
            m_work += m_sets.members(m_order[i]).size();
            gains.push_back(gain);
        }
        if (m_work > m_workLimit) {
            m_cut = true;
            return;
        }
        const std::size_t take = std::min(left, gains.size());
        std::vector<double> largest(gains);
        std::nth_element(largest.begin(), largest.begin() + static_cast<std::ptrdiff_t>(take - 1), largest.end(),
            std::greater<double>());
        const double bound = std::accumulate(largest.begin(), largest.begin() + static_cast<std::ptrdiff_t>(take), 0.0);
        if (bound <= 0 || m_held + bound <= m_bestHeld + m_slack) {
            return;
        }
        for (std::size_t i = from; i < m_order.size() && !m_cut; ++i) {
            if (gains[i - from] <= 0) {
                continue; // a line adding nothing now adds nothing deeper either
            }
            add(m_order[i]);
            visit(i + 1);
            remove(m_order[i]);
        }
    }

    const SetSystem& m_sets;
    std::span<const double> m_weights;
    std::size_t m_count;
    std::uint64_t m_workLimit;
    std::stop_token m_stop;
    std::vector<std::uint32_t> m_metBy;
    std::vector<std::vector<double>> m_gains; // one per depth
    std::vector<Index> m_order;
    std::vector<Index> m_chosen;
    std::vector<Index> m_best;
    double m_held = 0;
    double m_bestHeld = 0;
    double m_slack = 0;
    std::uint64_t m_work = 0;
    std::uint64_t m_nodes = 0;
    bool m_cut = false;
};

} // namespace

double HeldWeight(const SetSystem& sets, std::span<const double> weights, std::span<const Index> lines)
{
    std::vector<std::uint8_t> held(sets.elementCount(), 0);
    for (Index line : lines) {
        for (Index arrival : sets.members(line)) {
            held[arrival] = 1;
        }
    }
    double weight = 0;
    for (Index arrival = 0; arrival < sets.elementCount(); ++arrival) {
        weight += held[arrival] ? weights[arrival] : 0;
    }
    return weight;
}

std::vector<Index> GreedyChoice(const SetSystem& sets, std::span<const double> weights, std::size_t count)
{
    std::vector<Index> all(sets.setCount());
    std::iota(all.begin(), all.end(), Index { 0 });
    return GreedyChoice(sets, weights, count, all);
}

std::vector<Index> GreedyChoice(
    const SetSystem& sets, std::span<const double> weights, std::size_t count, std::span<const Index> candidates)
{
    std::vector<std::uint8_t> held(sets.elementCount(), 0);
    std::vector<Index> chosen;
    // Gains only fall as lines are chosen, so a stale gain is an upper bound: pop, refresh, and take the line when
    // its fresh gain still leads (lazy greedy). The key orders by gain, then by the earlier candidate.
    using Entry = std::pair<double, Index>; // gain, ~position among the candidates
    std::priority_queue<Entry> queue;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        double gain = 0;
        for (Index arrival : sets.members(candidates[i])) {
            gain += weights[arrival];
        }
        queue.emplace(gain, ~static_cast<Index>(i));
    }
    while (chosen.size() < count && !queue.empty()) {
        const auto [stale, key] = queue.top();
        queue.pop();
        const Index line = candidates[~key];
        double gain = 0;
        for (Index arrival : sets.members(line)) {
            gain += held[arrival] ? 0 : weights[arrival];
        }
        if (gain <= 0) {
            continue;
        }
        if (gain < stale && !queue.empty() && Entry { gain, key } < queue.top()) {
            queue.emplace(gain, key);
            continue;
        }
        chosen.push_back(line);
        for (Index arrival : sets.members(line)) {
            held[arrival] = 1;
        }
    }
    return chosen;
}

ExactChoice BestChoice(const SetSystem& sets, std::span<const double> weights, std::size_t count,
    std::span<const Index> incumbent, std::uint64_t workLimit, std::stop_token stop)
{
    ChoiceTree tree(sets, weights, count, workLimit, std::move(stop));
    tree.start(incumbent, HeldWeight(sets, weights, incumbent));
    return ExactChoice { std::move(tree.best()), tree.bestHeld(), tree.complete() };
}

} // namespace ornal
