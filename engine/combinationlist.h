#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// The combination lines of a list, in their order, packed into one text buffer: the largest list (77,520 lines)
// costs two allocations instead of one per line.
class CombinationList {
public:
    using Count = std::uint32_t;

    // Number of lines.
    Count size() const { return static_cast<Count>(m_ends.size()); }
    bool empty() const { return m_ends.empty(); }

    // Line i (0 <= i < size()); the view stays valid until the list is changed.
    std::string_view line(Count i) const
    {
        const std::uint32_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::string_view(m_text).substr(begin, m_ends[i] - begin);
    }

    // Line i as writable characters, for rewriting it in place with the same length.
    std::span<char> mutableLine(Count i)
    {
        const std::uint32_t begin = i == 0 ? 0 : m_ends[i - 1];
        return std::span<char>(m_text.data() + begin, m_ends[i] - begin);
    }

    // Characters in all lines together.
    std::size_t textBytes() const { return m_text.size(); }

    // Appends one line at the end.
    void append(std::string_view line);

    // Removes every line.
    void clear();

    // Prepares room for lines lines holding textBytes characters in all.
    void reserve(Count lines, std::size_t textBytes);

    // Bytes held by the list's storage (its capacity), for the memory budget of the largest list.
    std::size_t memoryBytes() const;

    bool operator==(const CombinationList& other) const = default;

private:
    std::string m_text;
    std::vector<std::uint32_t> m_ends;
};

// The caption of TotalComb for a list of count lines: "Combinaisons : " and the count in plain decimal.
std::string CountCaption(CombinationList::Count count);

} // namespace ornal
