#include "engine/combinationlist.h"

namespace ornal {

void CombinationList::append(std::string_view line)
{
    m_text.append(line);
    m_ends.push_back(static_cast<std::uint32_t>(m_text.size()));
}

void CombinationList::clear()
{
    m_text.clear();
    m_ends.clear();
}

void CombinationList::reserve(Count lines, std::size_t textBytes)
{
    m_ends.reserve(lines);
    m_text.reserve(textBytes);
}

std::size_t CombinationList::memoryBytes() const
{
    return m_text.capacity() + m_ends.capacity() * sizeof(std::uint32_t) + sizeof(*this);
}

std::string CountCaption(CombinationList::Count count)
{
    return "Combinaisons : " + std::to_string(count);
}

} // namespace ornal
