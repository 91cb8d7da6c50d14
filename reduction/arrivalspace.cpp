#include "reduction/arrivalspace.h"

#include "reduction/masksubsets.h"

#include <algorithm>
#include <bit>
#include <string>

namespace ornal {

namespace {

Refusal Refused(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

} // namespace

// The arrivals a line meets: every base, i of the line's other horses and the rest from outside the line, for
// each i that leaves the line holding inLine of the arrival.
template <typename Visit> void ArrivalSpace::forEachArrivalMet(Mask line, Visit&& visit) const
{
    const Mask bases = m_horses.baseMask();
    const Mask inside = line & ~bases;
    const Mask outside = m_horses.allMask() & ~(line | bases);
    const int need = m_guarantee.finishers - m_horses.baseCount();
    const int first = std::max(0, m_guarantee.inLine - std::popcount(line & bases));
    const int last = std::min(std::popcount(inside), need);
    for (int i = first; i <= last; ++i) {
        ForEachSubsetOfSize(inside, i,
            [&](Mask in) { ForEachSubsetOfSize(outside, need - i, [&](Mask out) { visit(bases | in | out); }); });
    }
}

std::uint64_t ArrivalSpace::meetingsOf(Mask line) const
{
    const Mask bases = m_horses.baseMask();
    const int inside = std::popcount(line & ~bases);
    const int outside = std::popcount(m_horses.allMask() & ~(line | bases));
    const int need = m_guarantee.finishers - m_horses.baseCount();
    std::uint64_t count = 0;
    for (int i = std::max(0, m_guarantee.inLine - std::popcount(line & bases)); i <= std::min(inside, need); ++i) {
        count += Binomial(inside, i) * Binomial(outside, need - i);
    }
    return count;
}

Result<void> ArrivalSpace::build(const CombinationList& list, std::span<const double> horses,
    std::span<const double> bases, Guarantee g, std::stop_token stop)
{
    // On the largest lists the build takes seconds where the checks below are nearly free.
    constexpr CombinationList::Count kLinesBetweenLooks = 4096;
    const auto stopped
        = [&stop](std::uint64_t done) { return done % kLinesBetweenLooks == 0 && stop.stop_requested(); };
    *this = ArrivalSpace {};
    if (list.empty()) {
        return Refused(std::string(text::kEmptyList));
    }
    if (Result<void> assigned = m_horses.assign(horses, bases); !assigned) {
        return assigned;
    }
    m_guarantee = g;
    std::vector<Mask> masks(list.size());
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (stopped(i)) {
            *this = ArrivalSpace {};
            return {};
        }
        const HorseNumbers::LineHorses read = m_horses.read(list.line(i));
        masks[i] = read.mask;
        m_lineSize = std::max(m_lineSize, read.numbers);
    }
    if (Result<void> checked = CheckGuarantee(g, horseCount(), baseCount(), m_lineSize); !checked) {
        return checked;
    }
    const int v = horseCount();
    m_possibleArrivals = Binomial(v - baseCount(), g.finishers - baseCount());

    m_lineOfMask.assign(std::size_t { 1 } << v, kNone);
    std::uint64_t meetings = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (m_lineOfMask[masks[i]] != kNone) {
            continue;
        }
        const std::uint64_t met = meetingsOf(masks[i]);
        if (met == 0) {
            continue;
        }
        meetings += met;
        if (meetings > kMaxMeetings) {
            *this = ArrivalSpace {};
            return Refused("Réduction trop vaste pour la mémoire : choisissez moins de premiers ou une liste plus "
                           "courte.");
        }
        m_lineOfMask[masks[i]] = static_cast<Index>(m_lineMasks.size());
        m_lineMasks.push_back(masks[i]);
        m_listIndexes.push_back(i);
        m_mostPerLine = std::max(m_mostPerLine, static_cast<Index>(met));
    }
    masks = {};
    if (m_lineMasks.empty()) {
        return Refused("Aucune ligne de la liste ne tient " + std::to_string(g.inLine) + " des "
            + std::to_string(g.finishers) + " premiers : réduction impossible.");
    }

    // Arrivals are numbered in the order the lines first meet them.
    std::vector<Index> arrivalOfMask(std::size_t { 1 } << v, kNone);
    std::vector<std::uint64_t> starts;
    std::vector<Index> members;
    starts.reserve(m_lineMasks.size() + 1);
    members.reserve(meetings);
    starts.push_back(0);
    for (Mask line : m_lineMasks) {
        if (stopped(starts.size())) {
            *this = ArrivalSpace {};
            return {};
        }
        forEachArrivalMet(line, [&](Mask arrival) {
            Index& index = arrivalOfMask[arrival];
            if (index == kNone) {
                index = static_cast<Index>(m_arrivalMasks.size());
                m_arrivalMasks.push_back(arrival);
            }
            members.push_back(index);
        });
        starts.push_back(members.size());
    }
    m_meetings.assign(static_cast<Index>(m_arrivalMasks.size()), std::move(starts), std::move(members));
    return {};
}

} // namespace ornal
