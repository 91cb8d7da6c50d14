#include "reduction/setsystem.h"

namespace ornal {

void SetSystem::assign(Index elementCount, std::vector<std::uint64_t> starts, std::vector<Index> setMembers)
{
    m_elementCount = elementCount;
    m_starts = std::move(starts);
    m_members = std::move(setMembers);
    m_elementStarts.assign(static_cast<std::size_t>(elementCount) + 1, 0);
    for (Index element : m_members) {
        ++m_elementStarts[element + 1];
    }
    for (Index e = 0; e < elementCount; ++e) {
        m_elementStarts[e + 1] += m_elementStarts[e];
    }
    m_sets.resize(m_members.size());
    std::vector<std::uint64_t> fill(m_elementStarts.begin(), m_elementStarts.end() - 1);
    for (Index set = 0; set < setCount(); ++set) {
        for (Index element : members(set)) {
            m_sets[fill[element]++] = set;
        }
    }
}

} // namespace ornal
