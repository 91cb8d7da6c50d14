#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// Which sets hold which elements, both ways, each list packed into one array: the lines of a list and the arrivals
// they meet, or orbits of lines and orbits of arrivals.
class SetSystem {
public:
    using Index = std::uint32_t;

    // Takes the members of each set: those of set s are setMembers[starts[s] .. starts[s + 1]), each below
    // elementCount; builds the sets holding each element, in rising set order.
    void assign(Index elementCount, std::vector<std::uint64_t> starts, std::vector<Index> setMembers);

    Index setCount() const { return m_starts.empty() ? 0 : static_cast<Index>(m_starts.size() - 1); }
    Index elementCount() const { return m_elementCount; }
    std::uint64_t memberships() const { return m_members.size(); }

    std::span<const Index> members(Index set) const
    {
        return { m_members.data() + m_starts[set], m_starts[set + 1] - m_starts[set] };
    }
    std::span<const Index> setsOf(Index element) const
    {
        return { m_sets.data() + m_elementStarts[element], m_elementStarts[element + 1] - m_elementStarts[element] };
    }

private:
    Index m_elementCount = 0;
    std::vector<std::uint64_t> m_starts;
    std::vector<Index> m_members;
    std::vector<std::uint64_t> m_elementStarts;
    std::vector<Index> m_sets;
};

} // namespace ornal
