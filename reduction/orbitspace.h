#pragma once

#include "reduction/arrivalspace.h"
#include "reduction/setsystem.h"

#include <span>
#include <vector>

namespace ornal {

// The lines and arrivals of a full list gathered into orbits of a rotation of the horses: the horses other than the
// bases, save `fixed` of them, are split into `cycles` equal cycles, each turned one place round. Lines and arrivals
// alike are carried into lines and arrivals, so a set of whole line orbits meets every arrival once it meets one
// arrival of each orbit; the covering problem on orbits is a fraction of the size of the one on lines, and many of the
// best known designs are made of such orbits.
class OrbitSpace {
public:
    using Index = SetSystem::Index;

    // Builds the orbits; returns false when the turning horses do not split into cycles of at least three, or when
    // the rotation does not carry every line of the list and every promised arrival into another (a filtered list).
    bool build(const ArrivalSpace& space, int fixed, int cycles = 1);

    // Line orbits as sets of arrival orbits.
    const SetSystem& orbits() const { return m_orbits; }

    // The number of lines in each line orbit: the rotation's whole turn, or a divisor of it for a line it brings back
    // sooner.
    std::vector<std::int64_t> orbitSizes() const;

    // The lines of the space making up the chosen line orbits.
    std::vector<ArrivalSpace::Index> expand(std::span<const Index> chosen) const;

private:
    SetSystem m_orbits;
    std::vector<std::uint64_t> m_memberStarts;
    std::vector<ArrivalSpace::Index> m_members;
};

} // namespace ornal
