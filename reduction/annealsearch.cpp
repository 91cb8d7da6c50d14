#include "reduction/annealsearch.h"

#include "reduction/bitcount.h"

#include <algorithm>
#include <cmath>

namespace ornal {

namespace {

// The n-th set bit of mask (n below its count).
std::uint32_t NthBit(std::uint32_t mask, std::uint32_t n)
{
    for (; n > 0; --n) {
        mask &= mask - 1;
    }
    return mask & (~mask + 1);
}

} // namespace

AnnealSearch::AnnealSearch(const ArrivalSpace& space, std::uint64_t seed, AnnealOptions options)
    : m_space(space)
    , m_random(seed)
    , m_options(options)
    , m_inLine(space.guarantee().inLine)
    , m_slotOf(space.lineCount(), kNoSlot)
    , m_metBy(space.arrivalCount(), 0)
    , m_unmet(space.arrivalCount())
{
    const double cycle = static_cast<double>(std::max<std::uint64_t>(1, m_options.cycleMoves));
    m_cooling = std::pow(m_options.lastTemperature / m_options.firstTemperature, 1.0 / cycle);
    m_temperature = m_options.firstTemperature;
}

void AnnealSearch::load(std::span<const Index> lines)
{
    for (Index line : m_lines) {
        m_slotOf[line] = kNoSlot;
    }
    m_lines.clear();
    m_masks.clear();
    std::fill(m_metBy.begin(), m_metBy.end(), 0);
    m_unmet.clear();
    for (Index arrival = 0; arrival < m_space.arrivalCount(); ++arrival) {
        m_unmet.insert(arrival);
    }
    for (Index line : lines) {
        m_slotOf[line] = static_cast<std::uint32_t>(m_lines.size());
        m_lines.push_back(line);
        m_masks.push_back(m_space.lineMask(line));
        meet(line);
    }
}

void AnnealSearch::meet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        if (m_metBy[arrival]++ == 0) {
            m_unmet.erase(arrival);
        }
    }
}

void AnnealSearch::unmeet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        if (--m_metBy[arrival] == 0) {
            m_unmet.insert(arrival);
        }
    }
}

void AnnealSearch::removeSlot(std::uint32_t slot)
{
    const Index line = m_lines[slot];
    unmeet(line);
    m_slotOf[line] = kNoSlot;
    const auto last = static_cast<std::uint32_t>(m_lines.size() - 1);
    if (slot != last) {
        m_lines[slot] = m_lines[last];
        m_masks[slot] = m_masks[last];
        m_slotOf[m_lines[slot]] = slot;
    }
    m_lines.pop_back();
    m_masks.pop_back();
}

std::uint32_t AnnealSearch::aloneCount(std::uint32_t slot) const
{
    std::uint32_t alone = 0;
    for (Index arrival : m_space.arrivalsOf(m_lines[slot])) {
        alone += m_metBy[arrival] == 1 ? 1 : 0;
    }
    return alone;
}

void AnnealSearch::dropOne()
{
    std::uint32_t chosen = kNoSlot;
    std::uint32_t fewest = 0;
    std::uint32_t ties = 0;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const std::uint32_t alone = aloneCount(slot);
        if (chosen == kNoSlot || alone < fewest) {
            chosen = slot;
            fewest = alone;
            ties = 1;
        } else if (alone == fewest && m_random.below(++ties) == 0) {
            chosen = slot;
        }
    }
    if (chosen != kNoSlot) {
        removeSlot(chosen);
    }
}

void AnnealSearch::dropIdle()
{
    for (std::uint32_t slot = static_cast<std::uint32_t>(m_lines.size()); slot-- > 0;) {
        if (aloneCount(slot) == 0) {
            removeSlot(slot);
        }
    }
}

void AnnealSearch::step()
{
    ++m_moves;
    m_temperature *= m_cooling;
    if (m_moves - m_cycleAt >= m_options.cycleMoves) {
        m_cycleAt = m_moves;
        m_temperature = m_options.firstTemperature;
    }
    const Index arrival = m_unmet[m_random.below(m_unmet.size())];
    const std::uint32_t arrivalMask = m_space.arrivalMask(arrival);
    m_near.clear();
    for (std::uint32_t slot = 0; slot < m_masks.size(); ++slot) {
        if (CountBits(m_masks[slot] & arrivalMask) == m_inLine - 1) {
            m_near.push_back(slot);
        }
    }
    const std::uint32_t slot = m_near.empty() ? m_random.below(static_cast<std::uint32_t>(m_masks.size()))
                                              : m_near[m_random.below(static_cast<std::uint32_t>(m_near.size()))];
    const std::uint32_t mask = m_masks[slot];
    const std::uint32_t leaving = mask & ~arrivalMask;
    const std::uint32_t coming = arrivalMask & ~mask;
    if (leaving == 0 || coming == 0) {
        return;
    }
    const std::uint32_t x = NthBit(leaving, m_random.below(static_cast<std::uint32_t>(CountBits(leaving))));
    const std::uint32_t y = NthBit(coming, m_random.below(static_cast<std::uint32_t>(CountBits(coming))));
    const std::uint32_t newMask = (mask & ~x) | y;
    const Index in = m_space.lineWithMask(newMask);
    if (in == ArrivalSpace::kNone || m_slotOf[in] != kNoSlot) {
        return; // filtered out of the list, or kept already
    }
    const Index out = m_lines[slot];
    int change = 0;
    for (Index a : m_space.arrivalsOf(out)) {
        change += m_metBy[a] == 1 && CountBits(m_space.arrivalMask(a) & newMask) < m_inLine ? 1 : 0;
    }
    for (Index a : m_space.arrivalsOf(in)) {
        change -= m_metBy[a] == 0 ? 1 : 0;
    }
    if (change > 0 && m_random.unit() >= std::exp(-change / m_temperature)) {
        return;
    }
    unmeet(out);
    m_slotOf[out] = kNoSlot;
    m_lines[slot] = in;
    m_masks[slot] = newMask;
    m_slotOf[in] = slot;
    meet(in);
}

bool AnnealSearch::search(std::uint64_t moves)
{
    for (std::uint64_t i = 0; i < moves && !m_unmet.empty() && !m_lines.empty(); ++i) {
        step();
    }
    return m_unmet.empty();
}

} // namespace ornal
