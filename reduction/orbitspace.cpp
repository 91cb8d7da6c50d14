#include "reduction/orbitspace.h"

#include <algorithm>
#include <bit>

namespace ornal {

namespace {

using Mask = ArrivalSpace::Mask;

// The rotation as a table per byte of the mask, so that turning a mask costs three lookups.
class Rotation {
public:
    Rotation(Mask turning, int step)
    {
        int positions[32];
        int n = 0;
        for (Mask rest = turning; rest != 0; rest &= rest - 1) {
            positions[n++] = std::countr_zero(rest);
        }
        Mask image[32] {};
        for (int bit = 0; bit < 32; ++bit) {
            image[bit] = Mask { 1 } << bit;
        }
        for (int i = 0; i < n; ++i) {
            image[positions[i]] = Mask { 1 } << positions[(i + step) % n];
        }
        for (int part = 0; part < 4; ++part) {
            for (Mask byte = 0; byte < 256; ++byte) {
                Mask turned = 0;
                for (int b = 0; b < 8; ++b) {
                    if (byte & (1u << b)) {
                        turned |= image[part * 8 + b];
                    }
                }
                m_table[part][byte] = turned;
            }
        }
    }

    Mask operator()(Mask m) const
    {
        return m_table[0][m & 0xFF] | m_table[1][(m >> 8) & 0xFF] | m_table[2][(m >> 16) & 0xFF] | m_table[3][m >> 24];
    }

private:
    Mask m_table[4][256];
};

} // namespace

bool OrbitSpace::build(const ArrivalSpace& space, int fixed, int cycles)
{
    const int v = space.horseCount();
    Mask others = ((Mask { 1 } << v) - 1) & ~space.baseMask();
    for (int i = 0; i < fixed && others != 0; ++i) {
        others &= ~(Mask { 1 } << (31 - std::countl_zero(others)));
    }
    const int turning = std::popcount(others);
    if (cycles < 1 || turning % cycles != 0 || turning / cycles < 3
        || space.arrivalCount() != space.possibleArrivals()) {
        return false;
    }
    // Turning a cycle of all the horses by `cycles` places splits it into `cycles` cycles, each turned one place.
    const Rotation rotate(others, cycles);

    constexpr Index kNone = ~Index { 0 };
    std::vector<Index> lineOrbit(space.lineCount(), kNone);
    m_memberStarts.assign(1, 0);
    m_members.clear();
    for (ArrivalSpace::Index line = 0; line < space.lineCount(); ++line) {
        if (lineOrbit[line] != kNone) {
            continue;
        }
        const auto orbit = static_cast<Index>(m_memberStarts.size() - 1);
        Mask m = space.lineMask(line);
        do {
            const ArrivalSpace::Index member = space.lineWithMask(m);
            if (member == ArrivalSpace::kNone) {
                return false;
            }
            lineOrbit[member] = orbit;
            m_members.push_back(member);
            m = rotate(m);
        } while (m != space.lineMask(line));
        m_memberStarts.push_back(m_members.size());
    }

    std::vector<Index> arrivalOfMask(std::size_t { 1 } << v, kNone);
    for (ArrivalSpace::Index a = 0; a < space.arrivalCount(); ++a) {
        arrivalOfMask[space.arrivalMask(a)] = a;
    }
    std::vector<Index> arrivalOrbit(space.arrivalCount(), kNone);
    Index arrivalOrbits = 0;
    for (ArrivalSpace::Index a = 0; a < space.arrivalCount(); ++a) {
        if (arrivalOrbit[a] != kNone) {
            continue;
        }
        Mask m = space.arrivalMask(a);
        do {
            arrivalOrbit[arrivalOfMask[m]] = arrivalOrbits;
            m = rotate(m);
        } while (m != space.arrivalMask(a));
        ++arrivalOrbits;
    }

    // A line orbit meets an arrival orbit when its first line meets some arrival of it: turning both carries the
    // meeting to every other line of the orbit.
    std::vector<std::uint64_t> starts { 0 };
    std::vector<Index> members;
    const auto lineOrbits = static_cast<Index>(m_memberStarts.size() - 1);
    for (Index orbit = 0; orbit < lineOrbits; ++orbit) {
        const std::size_t first = members.size();
        for (ArrivalSpace::Index a : space.arrivalsOf(m_members[m_memberStarts[orbit]])) {
            members.push_back(arrivalOrbit[a]);
        }
        std::sort(members.begin() + static_cast<std::ptrdiff_t>(first), members.end());
        members.erase(std::unique(members.begin() + static_cast<std::ptrdiff_t>(first), members.end()), members.end());
        starts.push_back(members.size());
    }
    m_orbits.assign(arrivalOrbits, std::move(starts), std::move(members));
    return true;
}

std::vector<std::int64_t> OrbitSpace::orbitSizes() const
{
    std::vector<std::int64_t> sizes;
    sizes.reserve(m_memberStarts.size() - 1);
    for (std::size_t orbit = 0; orbit + 1 < m_memberStarts.size(); ++orbit) {
        sizes.push_back(static_cast<std::int64_t>(m_memberStarts[orbit + 1] - m_memberStarts[orbit]));
    }
    return sizes;
}

std::vector<ArrivalSpace::Index> OrbitSpace::expand(std::span<const Index> chosen) const
{
    std::vector<ArrivalSpace::Index> lines;
    for (Index orbit : chosen) {
        lines.insert(lines.end(), m_members.begin() + static_cast<std::ptrdiff_t>(m_memberStarts[orbit]),
            m_members.begin() + static_cast<std::ptrdiff_t>(m_memberStarts[orbit + 1]));
    }
    return lines;
}

} // namespace ornal
