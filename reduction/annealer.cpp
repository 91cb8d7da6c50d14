#include "annealer.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ornal {

namespace {

// One of the set bits of mask, chosen by the draw.
std::uint32_t BitAt(std::uint32_t mask, std::uint32_t which)
{
    for (; which > 0; --which) {
        mask &= mask - 1;
    }
    return mask & (~mask + 1);
}

} // namespace

Annealer::Annealer(const ArrivalSpace& space, std::uint64_t seed, Schedule schedule)
    : m_space(space)
    , m_random(seed)
    , m_schedule(schedule)
    , m_slotOf(space.lineCount(), kNoSlot)
    , m_metBy(space.arrivalCount(), 0)
    , m_unmetAt(space.arrivalCount(), kNoSlot)
    , m_stamp(space.arrivalCount(), 0)
    , m_weight(space.arrivalCount(), 1)
{
}

void Annealer::load(std::span<const Index> lines)
{
    for (Index line : m_lines) {
        m_slotOf[line] = kNoSlot;
    }
    m_lines.assign(lines.begin(), lines.end());
    m_masks.resize(m_lines.size());
    std::fill(m_metBy.begin(), m_metBy.end(), 0);
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        m_slotOf[m_lines[slot]] = slot;
        m_masks[slot] = m_space.lineMask(m_lines[slot]);
        for (Index arrival : m_space.arrivalsOf(m_lines[slot])) {
            ++m_metBy[arrival];
        }
    }
    m_unmet.clear();
    for (Index arrival = 0; arrival < m_space.arrivalCount(); ++arrival) {
        m_unmetAt[arrival] = kNoSlot;
        if (m_metBy[arrival] == 0) {
            m_unmetAt[arrival] = static_cast<std::uint32_t>(m_unmet.size());
            m_unmet.push_back(arrival);
        }
    }
    setTemperature(m_schedule.startTemperature * (m_scale == 0 ? 1.0 : m_scale));
    m_stageLeft = stageLength();
}

std::uint64_t Annealer::stageLength() const
{
    return m_schedule.stageMoves != 0 ? m_schedule.stageMoves
                                      : std::max<std::uint64_t>(256, 4 * static_cast<std::uint64_t>(m_lines.size()));
}

void Annealer::setTemperature(double temperature)
{
    m_temperature = temperature;
    // The chances fall geometrically; once negligible the rest of the table is zero, which spares most of the
    // exponentials at low temperatures.
    const double factor = std::exp(-1.0 / temperature);
    double chance = 1.0;
    for (double& acceptance : m_acceptance) {
        acceptance = chance;
        chance = chance < 1e-12 ? 0.0 : chance * factor;
    }
}

void Annealer::meet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        if (m_metBy[arrival]++ == 0) {
            const std::uint32_t at = m_unmetAt[arrival];
            const Index last = m_unmet.back();
            m_unmet[at] = last;
            m_unmetAt[last] = at;
            m_unmet.pop_back();
            m_unmetAt[arrival] = kNoSlot;
        }
    }
}

void Annealer::unmeet(Index line)
{
    for (Index arrival : m_space.arrivalsOf(line)) {
        if (--m_metBy[arrival] == 0) {
            m_unmetAt[arrival] = static_cast<std::uint32_t>(m_unmet.size());
            m_unmet.push_back(arrival);
        }
    }
}

int Annealer::alone(Index line) const
{
    int count = 0;
    for (Index arrival : m_space.arrivalsOf(line)) {
        count += m_metBy[arrival] == 1 ? 1 : 0;
    }
    return count;
}

void Annealer::removeSlot(std::uint32_t slot)
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

void Annealer::replace(std::uint32_t slot, Index in)
{
    const Index out = m_lines[slot];
    unmeet(out);
    m_slotOf[out] = kNoSlot;
    m_lines[slot] = in;
    m_masks[slot] = m_space.lineMask(in);
    m_slotOf[in] = slot;
    meet(in);
}

void Annealer::dropOne()
{
    if (m_lines.empty()) {
        return;
    }
    std::uint32_t chosen = 0;
    int fewest = -1;
    std::uint32_t ties = 0;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const int lost = alone(m_lines[slot]);
        if (fewest < 0 || lost < fewest) {
            fewest = lost;
            chosen = slot;
            ties = 1;
        } else if (lost == fewest && m_random.below(++ties) == 0) {
            chosen = slot;
        }
    }
    removeSlot(chosen);
}

void Annealer::dropIdle()
{
    // Letting a line go never makes another one idle, so one pass from the end finds them all; the line moved into
    // a freed slot comes from a later slot, already looked at.
    for (std::uint32_t slot = static_cast<std::uint32_t>(m_lines.size()); slot-- > 0;) {
        if (alone(m_lines[slot]) == 0) {
            removeSlot(slot);
        }
    }
}

bool Annealer::pickNeighbour(std::uint32_t arrivalMask, Index& in, std::uint32_t& slot)
{
    const int wanted = m_space.guarantee().inLine - 1;
    const auto count = static_cast<std::uint32_t>(m_lines.size());
    slot = kNoSlot;
    // A few blind draws find such a line most of the time; the full scan is for the rare runs of bad luck.
    for (int tries = 0; tries < 48 && slot == kNoSlot; ++tries) {
        const std::uint32_t s = m_random.below(count);
        if (std::popcount(m_masks[s] & arrivalMask) == wanted) {
            slot = s;
        }
    }
    if (slot == kNoSlot) {
        m_scratch.clear();
        for (std::uint32_t s = 0; s < count; ++s) {
            if (std::popcount(m_masks[s] & arrivalMask) == wanted) {
                m_scratch.push_back(s);
            }
        }
        if (m_scratch.empty()) {
            return false;
        }
        slot = m_scratch[m_random.below(static_cast<std::uint32_t>(m_scratch.size()))];
    }
    const std::uint32_t mask = m_masks[slot];
    const std::uint32_t leaving = mask & ~arrivalMask;
    const std::uint32_t coming = arrivalMask & ~mask;
    const std::uint32_t x = BitAt(leaving, m_random.below(static_cast<std::uint32_t>(std::popcount(leaving))));
    const std::uint32_t y = BitAt(coming, m_random.below(static_cast<std::uint32_t>(std::popcount(coming))));
    in = m_space.lineWithMask((mask & ~x) | y);
    return in != ArrivalSpace::kNone && m_slotOf[in] == kNoSlot;
}

std::uint32_t Annealer::closestSlot(std::uint32_t lineMask)
{
    std::uint32_t chosen = 0;
    int most = -1;
    std::uint32_t ties = 0;
    for (std::uint32_t slot = 0; slot < m_lines.size(); ++slot) {
        const int shared = std::popcount(m_masks[slot] & lineMask);
        if (shared > most) {
            most = shared;
            chosen = slot;
            ties = 1;
        } else if (shared == most && m_random.below(++ties) == 0) {
            chosen = slot;
        }
    }
    return chosen;
}

std::int64_t Annealer::rise(Index in, Index out)
{
    if (++m_tick == 0) {
        std::fill(m_stamp.begin(), m_stamp.end(), 0);
        m_tick = 1;
    }
    std::int64_t change = 0;
    if (m_schedule.weighted) {
        for (Index arrival : m_space.arrivalsOf(in)) {
            m_stamp[arrival] = m_tick;
            change -= m_metBy[arrival] == 0 ? m_weight[arrival] : 0;
        }
        for (Index arrival : m_space.arrivalsOf(out)) {
            change += m_metBy[arrival] == 1 && m_stamp[arrival] != m_tick ? m_weight[arrival] : 0;
        }
        return change;
    }
    for (Index arrival : m_space.arrivalsOf(in)) {
        m_stamp[arrival] = m_tick;
        change -= m_metBy[arrival] == 0 ? 1 : 0;
    }
    for (Index arrival : m_space.arrivalsOf(out)) {
        change += m_metBy[arrival] == 1 && m_stamp[arrival] != m_tick ? 1 : 0;
    }
    return change;
}

void Annealer::propose(Index& in, std::uint32_t& slot)
{
    const Index arrival = m_unmet[m_random.below(static_cast<std::uint32_t>(m_unmet.size()))];
    if (!pickNeighbour(m_space.arrivalMask(arrival), in, slot)) {
        // No kept line is one swapped horse away within the list: any line meeting the arrival comes in (none is
        // kept, the arrival being unmet) for the kept line closest to it.
        const std::span<const Index> meeting = m_space.linesOf(arrival);
        in = meeting[m_random.below(static_cast<std::uint32_t>(meeting.size()))];
        slot = closestSlot(m_space.lineMask(in));
    }
}

void Annealer::calibrate()
{
    // Rises run from 1 for designs of long lines to tens for pairs, each of which meets many arrivals: the
    // temperatures are set against the mean rise of the moves on offer.
    std::uint64_t total = 0;
    std::uint64_t rising = 0;
    for (int i = 0; i < 256; ++i) {
        Index in = ArrivalSpace::kNone;
        std::uint32_t slot = kNoSlot;
        propose(in, slot);
        const std::int64_t change = rise(in, m_lines[slot]);
        if (change > 0) {
            total += static_cast<std::uint64_t>(change);
            ++rising;
        }
    }
    m_scale = rising == 0 ? 1.0 : static_cast<double>(total) / static_cast<double>(rising);
    setTemperature(m_schedule.startTemperature * m_scale);
}

bool Annealer::step()
{
    Index in = ArrivalSpace::kNone;
    std::uint32_t slot = kNoSlot;
    propose(in, slot);
    const std::int64_t change = rise(in, m_lines[slot]);
    if (m_schedule.weighted) {
        if (change <= 0) {
            replace(slot, in);
        }
        for (Index arrival : m_unmet) {
            ++m_weight[arrival];
        }
        return m_unmet.empty();
    }
    if (change <= 0 || (change <= kMaxRise && m_random.unit() < m_acceptance[static_cast<std::size_t>(change)])) {
        replace(slot, in);
    }
    return m_unmet.empty();
}

bool Annealer::anneal(std::uint64_t moves)
{
    if (m_unmet.empty()) {
        return true;
    }
    if (m_lines.empty()) {
        return false;
    }
    if (m_scale == 0) {
        calibrate();
    }
    for (std::uint64_t i = 0; i < moves; ++i) {
        if (m_stageLeft == 0) {
            m_stageLeft = stageLength();
            double next = m_temperature * m_schedule.cooling;
            setTemperature(
                next < m_schedule.frozenTemperature * m_scale ? m_schedule.startTemperature * m_scale : next);
        }
        --m_stageLeft;
        ++m_moves;
        if (step()) {
            return true;
        }
    }
    return false;
}

} // namespace ornal
