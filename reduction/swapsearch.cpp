#include "reduction/swapsearch.h"

#include "reduction/bitcount.h"

#include <algorithm>

namespace ornal {

SwapSearch::SwapSearch(const ArrivalSpace& space, std::uint64_t seed, SwapOptions options)
    : m_space(space)
    , m_random(seed)
    , m_options(options)
    , m_inLine(space.guarantee().inLine)
    , m_slotOf(space.lineCount(), kNoSlot)
    , m_metBy(space.arrivalCount(), 0)
    , m_keptXor(space.arrivalCount(), 0)
    , m_weight(space.arrivalCount(), 1)
    , m_unmetAt(space.arrivalCount(), kNoSlot)
{
}

void SwapSearch::load(std::span<const Index> lines)
{
    for (Index line : m_lines) {
        m_slotOf[line] = kNoSlot;
    }
    m_lines.assign(lines.begin(), lines.end());
    m_masks.resize(m_lines.size());
    m_alone.resize(m_lines.size());
    m_aloneKnown.assign(m_lines.size(), 0);
    std::fill(m_metBy.begin(), m_metBy.end(), 0);
    std::fill(m_keptXor.begin(), m_keptXor.end(), 0);
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const Index line = m_lines[slot];
        m_slotOf[line] = slot;
        m_masks[slot] = m_space.lineMask(line);
        for (Index arrival : m_space.arrivalsOf(line)) {
            ++m_metBy[arrival];
            m_keptXor[arrival] ^= line;
        }
    }
    m_unmet.clear();
    m_unmetMasks.clear();
    for (Index arrival = 0; arrival < m_space.arrivalCount(); ++arrival) {
        m_unmetAt[arrival] = kNoSlot;
        if (m_metBy[arrival] == 0) {
            addUnmet(arrival);
        }
    }
    m_lastIn = ArrivalSpace::kNone;
}

void SwapSearch::addUnmet(Index arrival)
{
    m_unmetAt[arrival] = static_cast<std::uint32_t>(m_unmet.size());
    m_unmet.push_back(arrival);
    m_unmetMasks.push_back(m_space.arrivalMask(arrival));
}

void SwapSearch::removeUnmet(Index arrival)
{
    const std::uint32_t at = m_unmetAt[arrival];
    const Index last = m_unmet.back();
    m_unmet[at] = last;
    m_unmetMasks[at] = m_unmetMasks.back();
    m_unmetAt[last] = at;
    m_unmet.pop_back();
    m_unmetMasks.pop_back();
    m_unmetAt[arrival] = kNoSlot;
}

void SwapSearch::touch(Index line)
{
    const std::uint32_t slot = m_slotOf[line];
    if (slot != kNoSlot) {
        m_aloneKnown[slot] = 0;
    }
}

void SwapSearch::meet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        const std::uint32_t before = m_metBy[arrival]++;
        if (before == 0) {
            removeUnmet(arrival);
        } else if (before == 1) {
            touch(m_keptXor[arrival]); // no longer alone on it
        }
        m_keptXor[arrival] ^= line;
    }
}

void SwapSearch::unmeet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        m_keptXor[arrival] ^= line;
        const std::uint32_t after = --m_metBy[arrival];
        if (after == 0) {
            addUnmet(arrival);
        } else if (after == 1) {
            touch(m_keptXor[arrival]); // now alone on it
        }
    }
}

void SwapSearch::replace(std::uint32_t slot, Index in)
{
    const Index out = m_lines[slot];
    unmeet(out);
    m_slotOf[out] = kNoSlot;
    m_lines[slot] = in;
    m_masks[slot] = m_space.lineMask(in);
    m_slotOf[in] = slot;
    m_aloneKnown[slot] = 0;
    meet(in);
}

void SwapSearch::removeSlot(std::uint32_t slot)
{
    const Index line = m_lines[slot];
    unmeet(line);
    m_slotOf[line] = kNoSlot;
    const auto last = static_cast<std::uint32_t>(m_lines.size() - 1);
    if (slot != last) {
        m_lines[slot] = m_lines[last];
        m_masks[slot] = m_masks[last];
        std::swap(m_alone[slot], m_alone[last]);
        m_aloneKnown[slot] = m_aloneKnown[last];
        m_slotOf[m_lines[slot]] = slot;
    }
    m_lines.pop_back();
    m_masks.pop_back();
    m_aloneKnown.pop_back();
}

const std::vector<SwapSearch::Alone>& SwapSearch::aloneOf(std::uint32_t slot)
{
    std::vector<Alone>& alone = m_alone[slot];
    if (!m_aloneKnown[slot]) {
        alone.clear();
        for (Index arrival : m_space.arrivalsOf(m_lines[slot])) {
            if (m_metBy[arrival] == 1) {
                alone.push_back(Alone { m_space.arrivalMask(arrival), m_weight[arrival] });
            }
        }
        m_aloneKnown[slot] = 1;
    }
    return alone;
}

std::int64_t SwapSearch::aloneWeight(std::uint32_t slot)
{
    std::int64_t weight = 0;
    for (const Alone& a : aloneOf(slot)) {
        weight += a.weight;
    }
    return weight;
}

void SwapSearch::dropOne()
{
    if (m_lines.empty()) {
        return;
    }
    std::uint32_t chosen = 0;
    std::int64_t lightest = -1;
    std::uint32_t ties = 0;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const std::int64_t weight = aloneWeight(slot);
        if (lightest < 0 || weight < lightest) {
            lightest = weight;
            chosen = slot;
            ties = 1;
        } else if (weight == lightest && m_random.below(++ties) == 0) {
            chosen = slot;
        }
    }
    removeSlot(chosen);
}

void SwapSearch::dropIdle()
{
    // Letting a line go never makes another one idle: one pass from the end finds them all.
    for (std::uint32_t slot = static_cast<std::uint32_t>(m_lines.size()); slot-- > 0;) {
        if (aloneOf(slot).empty()) {
            removeSlot(slot);
        }
    }
}

std::int64_t SwapSearch::lossTo(const std::vector<Alone>& alone, std::uint32_t newMask) const
{
    std::int64_t loss = 0;
    for (const Alone& a : alone) {
        loss += CountBits(a.mask & newMask) < m_inLine ? a.weight : 0;
    }
    return loss;
}

std::int64_t SwapSearch::gainOf(std::uint32_t lineMask) const
{
    std::int64_t gain = 0;
    for (std::size_t i = 0; i < m_unmet.size(); ++i) {
        gain += CountBits(m_unmetMasks[i] & lineMask) >= m_inLine ? m_weight[m_unmet[i]] : 0;
    }
    return gain;
}

void SwapSearch::consider(Move& best, std::uint32_t slot, std::uint32_t newMask, std::int64_t change)
{
    // The line is looked up (a cache miss in a table of 2^v entries) only when its change could win.
    if (!m_walk && best.slot != kNoSlot && change > best.change) {
        return;
    }
    const Index in = m_space.lineWithMask(newMask);
    if (in == ArrivalSpace::kNone || m_slotOf[in] != kNoSlot) {
        return;
    }
    if (best.slot == kNoSlot || (!m_walk && change < best.change)) {
        best = Move { slot, in, change, 1 };
    } else if (m_random.below(++best.ties) == 0) {
        best.slot = slot;
        best.in = in;
        best.change = change;
    }
}

void SwapSearch::swapsOf(std::uint32_t slot, std::uint32_t arrivalMask, Move& best)
{
    const std::uint32_t mask = m_masks[slot];
    const std::vector<Alone>& alone = aloneOf(slot);
    // Every swapped line lies within the line and the arrival together: the unmet arrivals that do not meet that
    // union cannot be met by any of them, and most are set aside once for all the swaps of this line.
    const std::uint32_t reach = mask | arrivalMask;
    m_near.clear();
    for (std::size_t i = 0; i < m_unmet.size(); ++i) {
        if (CountBits(m_unmetMasks[i] & reach) >= m_inLine) {
            m_near.push_back(Alone { m_unmetMasks[i], m_weight[m_unmet[i]] });
        }
    }
    for (std::uint32_t leaving = mask & ~arrivalMask; leaving != 0; leaving &= leaving - 1) {
        const std::uint32_t x = leaving & (~leaving + 1);
        for (std::uint32_t coming = arrivalMask & ~mask; coming != 0; coming &= coming - 1) {
            const std::uint32_t y = coming & (~coming + 1);
            const std::uint32_t newMask = (mask & ~x) | y;
            std::int64_t gain = 0;
            for (const Alone& u : m_near) {
                gain += CountBits(u.mask & newMask) >= m_inLine ? u.weight : 0;
            }
            consider(best, slot, newMask, lossTo(alone, newMask) - gain);
        }
    }
}

void SwapSearch::anyLineFor(Index arrival, Move& best)
{
    // Within a filtered list the swapped line is often missing: a few lines meeting the arrival are tried
    // instead, each in place of the kept line sharing most horses with it.
    const std::span<const Index> meeting = m_space.linesOf(arrival);
    for (int tries = 0; tries < 8; ++tries) {
        const std::uint32_t inMask
            = m_space.lineMask(meeting[m_random.below(static_cast<std::uint32_t>(meeting.size()))]);
        std::uint32_t slot = kNoSlot;
        int most = -1;
        for (std::uint32_t s = 0; s < m_lines.size(); ++s) {
            const int shared = CountBits(m_masks[s] & inMask);
            if (shared > most && m_lines[s] != m_lastIn) {
                most = shared;
                slot = s;
            }
        }
        if (slot == kNoSlot) {
            return;
        }
        consider(best, slot, inMask, lossTo(aloneOf(slot), inMask) - gainOf(inMask));
    }
}

void SwapSearch::step()
{
    const Index arrival = m_unmet[m_random.below(static_cast<std::uint32_t>(m_unmet.size()))];
    const std::uint32_t arrivalMask = m_space.arrivalMask(arrival);
    Move best;
    m_walk = m_options.noise > 0 && m_random.unit() < m_options.noise;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        if (CountBits(m_masks[slot] & arrivalMask) == m_inLine - 1 && m_lines[slot] != m_lastIn) {
            swapsOf(slot, arrivalMask, best);
        }
    }
    if (best.slot == kNoSlot) {
        anyLineFor(arrival, best);
    }
    if (best.slot != kNoSlot) {
        replace(best.slot, best.in);
        m_lastIn = best.in;
    }
    if (m_options.weighted) {
        for (Index unmet : m_unmet) {
            ++m_weight[unmet];
        }
    }
    ++m_moves;
}

bool SwapSearch::search(std::uint64_t moves)
{
    if (m_lines.empty()) {
        return m_unmet.empty();
    }
    for (std::uint64_t i = 0; i < moves && !m_unmet.empty(); ++i) {
        step();
    }
    return m_unmet.empty();
}

} // namespace ornal
