#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"
#include "reduction/guarantee.h"
#include "reduction/horsenumbers.h"
#include "reduction/setsystem.h"

#include <cstdint>
#include <span>
#include <stop_token>
#include <vector>

namespace ornal {

// The covering problem behind a reduction: the distinct lines of a list that meet some arrival (as horse masks),
// the arrivals they promise, and which line meets which arrival, both ways. Read-only once built, so that the
// search threads share one copy.
class ArrivalSpace {
public:
    using Mask = std::uint32_t;
    using Index = std::uint32_t;
    static constexpr Index kNone = ~Index { 0 };

    // Most line-arrival meetings held (each is stored twice, 4 bytes a time): past it the reduction is refused.
    static constexpr std::uint64_t kMaxMeetings = std::uint64_t { 1 } << 24;

    // Builds the space of g over list, horses and bases; returns the refusal when the request makes no sense,
    // when no line can meet any arrival or when the meetings exceed kMaxMeetings. A stop requested on the way leaves
    // the space empty (no lines), without a refusal.
    Result<void> build(const CombinationList& list, std::span<const double> horses, std::span<const double> bases,
        Guarantee g, std::stop_token stop = {});

    // Whether the space holds any line: false before a build, after a stopped one, and after a refusal.
    bool built() const { return !m_lineMasks.empty(); }

    Guarantee guarantee() const { return m_guarantee; }
    int horseCount() const { return m_horses.count(); }
    int baseCount() const { return m_horses.baseCount(); }
    Mask baseMask() const { return m_horses.baseMask(); }
    // Most horses in one line of the list.
    int lineSize() const { return m_lineSize; }

    // Distinct useful lines (each standing for the first list line holding its horses).
    Index lineCount() const { return static_cast<Index>(m_lineMasks.size()); }
    Mask lineMask(Index line) const { return m_lineMasks[line]; }
    CombinationList::Count listIndex(Index line) const { return m_listIndexes[line]; }
    // The useful line holding exactly these horses, or kNone.
    Index lineWithMask(Mask mask) const { return mask < m_lineOfMask.size() ? m_lineOfMask[mask] : kNone; }

    // Arrivals some line meets: the promised ones.
    Index arrivalCount() const { return static_cast<Index>(m_arrivalMasks.size()); }
    Mask arrivalMask(Index arrival) const { return m_arrivalMasks[arrival]; }
    // Every set of `finishers` horses holding the bases, promised or not.
    std::uint64_t possibleArrivals() const { return m_possibleArrivals; }

    std::span<const Index> arrivalsOf(Index line) const { return m_meetings.members(line); }
    std::span<const Index> linesOf(Index arrival) const { return m_meetings.setsOf(arrival); }
    // The lines as sets of the arrivals they meet.
    const SetSystem& meetings() const { return m_meetings; }
    // Most arrivals one line meets.
    Index mostArrivalsOfALine() const { return m_mostPerLine; }

private:
    std::uint64_t meetingsOf(Mask line) const;
    template <typename Visit> void forEachArrivalMet(Mask line, Visit&& visit) const;

    HorseNumbers m_horses;
    Guarantee m_guarantee;
    int m_lineSize = 0;
    std::uint64_t m_possibleArrivals = 0;
    Index m_mostPerLine = 0;
    std::vector<Mask> m_lineMasks;
    std::vector<CombinationList::Count> m_listIndexes;
    std::vector<Index> m_lineOfMask; // 2^v entries
    std::vector<Mask> m_arrivalMasks;
    SetSystem m_meetings;
};

} // namespace ornal
