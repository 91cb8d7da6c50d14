#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace ornal {

// A set of the indexes below a size, each put in or taken out at once and drawn by its position: the arrivals a
// local search leaves unmet. Taking one out moves the last one into its place, so the order, and with it what a
// seeded draw picks, depends only on the calls made.
class IndexSet {
public:
    using Index = std::uint32_t;

    explicit IndexSet(Index size = 0)
        : m_at(size, kAbsent)
    {
    }

    // Empties the set.
    void clear()
    {
        for (Index index : m_items) {
            m_at[index] = kAbsent;
        }
        m_items.clear();
    }

    // Puts in an index not in the set, last.
    void insert(Index index)
    {
        m_at[index] = static_cast<Index>(m_items.size());
        m_items.push_back(index);
    }

    // Takes out an index of the set; the last one takes its place.
    void erase(Index index)
    {
        const Index at = m_at[index];
        const Index last = m_items.back();
        m_items[at] = last;
        m_at[last] = at;
        m_items.pop_back();
        m_at[index] = kAbsent;
    }

    // The number of indexes in the set.
    Index size() const { return static_cast<Index>(m_items.size()); }
    // Whether the set holds no index.
    bool empty() const { return m_items.empty(); }
    // The index at this position (below size()).
    Index operator[](Index position) const { return m_items[position]; }
    // The indexes in the set, in their order.
    std::span<const Index> items() const { return m_items; }

private:
    static constexpr Index kAbsent = ~Index { 0 };

    std::vector<Index> m_items;
    std::vector<Index> m_at; // index -> position, or kAbsent
};

} // namespace ornal
