#include "reduction/budgetsearch.h"

#include <algorithm>

namespace ornal {

BudgetSearch::BudgetSearch(const SetSystem& sets, std::span<const double> weights, std::uint64_t seed)
    : m_sets(sets)
    , m_weights(weights)
    , m_random(seed)
    , m_slotOf(sets.setCount(), kNoSlot)
    , m_score(sets.setCount(), 0)
    , m_frozenUntil(sets.setCount(), 0)
    , m_metBy(sets.elementCount(), 0)
    , m_keptXor(sets.elementCount(), 0)
    , m_unheld(sets.elementCount())
{
}

void BudgetSearch::load(std::span<const Index> lines)
{
    for (Index line : m_lines) {
        m_slotOf[line] = kNoSlot;
    }
    m_lines.clear();
    std::fill(m_metBy.begin(), m_metBy.end(), 0);
    std::fill(m_keptXor.begin(), m_keptXor.end(), 0);
    std::fill(m_frozenUntil.begin(), m_frozenUntil.end(), 0);
    m_unheld.clear();
    m_held = 0;
    for (Index arrival = 0; arrival < m_sets.elementCount(); ++arrival) {
        m_unheld.insert(arrival);
    }
    for (Index line = 0; line < m_sets.setCount(); ++line) {
        double gain = 0;
        for (Index arrival : m_sets.members(line)) {
            gain += m_weights[arrival];
        }
        m_score[line] = gain;
    }
    for (Index line : lines) {
        add(line);
    }
    m_bestHeld = -1;
    keepIfBest();
}

void BudgetSearch::add(Index line)
{
    for (Index arrival : m_sets.members(line)) {
        const std::uint32_t before = m_metBy[arrival]++;
        const double weight = m_weights[arrival];
        if (before == 0) {
            for (Index other : m_sets.setsOf(arrival)) {
                m_score[other] -= weight;
            }
            m_unheld.erase(arrival);
            m_held += weight;
        } else if (before == 1) {
            m_score[m_keptXor[arrival]] += weight;
        }
        m_keptXor[arrival] ^= line;
    }
    double score = 0;
    for (Index arrival : m_sets.members(line)) {
        score -= m_metBy[arrival] == 1 ? m_weights[arrival] : 0;
    }
    m_score[line] = score;
    m_slotOf[line] = static_cast<std::uint32_t>(m_lines.size());
    m_lines.push_back(line);
}

void BudgetSearch::remove(std::uint32_t slot)
{
    const Index line = m_lines[slot];
    for (Index arrival : m_sets.members(line)) {
        m_keptXor[arrival] ^= line;
        const std::uint32_t after = --m_metBy[arrival];
        const double weight = m_weights[arrival];
        if (after == 0) {
            for (Index other : m_sets.setsOf(arrival)) {
                m_score[other] += weight;
            }
            m_unheld.insert(arrival);
            m_held -= weight;
        } else if (after == 1) {
            m_score[m_keptXor[arrival]] -= weight;
        }
    }
    // The loop above counted the line among the others; its score is now its gain.
    double score = 0;
    for (Index arrival : m_sets.members(line)) {
        score += m_metBy[arrival] == 0 ? m_weights[arrival] : 0;
    }
    m_score[line] = score;
    m_slotOf[line] = kNoSlot;
    const auto last = static_cast<std::uint32_t>(m_lines.size() - 1);
    if (slot != last) {
        m_lines[slot] = m_lines[last];
        m_slotOf[m_lines[slot]] = slot;
    }
    m_lines.pop_back();
}

BudgetSearch::Index BudgetSearch::drawUnheld()
{
    const std::uint32_t count = m_unheld.size();
    const Index first = m_unheld[m_random.below(count)];
    const Index second = m_unheld[m_random.below(count)];
    return m_weights[second] > m_weights[first] ? second : first;
}

BudgetSearch::Index BudgetSearch::heaviestGain(Index arrival)
{
    Index chosen = kNone;
    std::uint32_t ties = 0;
    for (Index line : m_sets.setsOf(arrival)) {
        // Every line meeting an unheld arrival is out of the kept set.
        if (m_frozenUntil[line] > m_moves) {
            continue;
        }
        if (chosen == kNone || m_score[line] > m_score[chosen]) {
            chosen = line;
            ties = 1;
        } else if (m_score[line] == m_score[chosen] && m_random.below(++ties) == 0) {
            chosen = line;
        }
    }
    return chosen;
}

std::uint32_t BudgetSearch::lightestLoss(Index spare)
{
    std::uint32_t chosen = kNoSlot;
    std::uint32_t ties = 0;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const Index line = m_lines[slot];
        if (line == spare || m_frozenUntil[line] > m_moves) {
            continue;
        }
        // Scores of kept lines are minus their loss: the highest loses least.
        if (chosen == kNoSlot || m_score[line] > m_score[m_lines[chosen]]) {
            chosen = slot;
            ties = 1;
        } else if (m_score[line] == m_score[m_lines[chosen]] && m_random.below(++ties) == 0) {
            chosen = slot;
        }
    }
    return chosen;
}

void BudgetSearch::keepIfBest()
{
    // A running sum a little above the best may be rounding only: the sum afresh decides.
    if (m_held <= m_bestHeld) {
        return;
    }
    double held = 0;
    for (Index arrival = 0; arrival < m_sets.elementCount(); ++arrival) {
        held += m_metBy[arrival] > 0 ? m_weights[arrival] : 0;
    }
    m_held = held;
    if (held > m_bestHeld) {
        m_bestHeld = held;
        m_best = m_lines;
        m_bestAt = m_moves;
    }
}

void BudgetSearch::step()
{
    const std::uint64_t stall = std::max(kStallLeast, kStallPerLine * m_lines.size());
    if (m_moves - m_bestAt > stall) {
        const std::vector<Index> best = m_best;
        const double bestHeld = m_bestHeld;
        load(best);
        m_bestHeld = bestHeld;
        m_bestAt = m_moves;
    }
    ++m_moves;
    const Index in = heaviestGain(drawUnheld());
    if (in == kNone) {
        return; // every line meeting it is held back this move
    }
    add(in);
    const std::uint32_t out = lightestLoss(in);
    if (out == kNoSlot) {
        remove(m_slotOf[in]);
        return;
    }
    const Index leaving = m_lines[out];
    remove(out);
    m_frozenUntil[in] = m_moves + kTabuBase + m_random.below(kTabuSpread);
    m_frozenUntil[leaving] = m_moves + kTabuBase + m_random.below(kTabuSpread);
    keepIfBest();
}

bool BudgetSearch::search(std::uint64_t moves)
{
    for (std::uint64_t i = 0; i < moves && !m_unheld.empty() && !m_lines.empty(); ++i) {
        step();
    }
    return m_unheld.empty();
}

} // namespace ornal
