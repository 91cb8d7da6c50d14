#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// One design kept in the library: lines of k horses among 0..v-1 (as masks) such that every set of p of the horses
// holds t of some line's; with the seed and the time of the search that found it.
struct StoredDesign {
    int v = 0;
    int k = 0;
    int p = 0;
    int t = 0;
    std::uint64_t seed = 0;
    std::uint64_t millis = 0;
    std::vector<std::uint32_t> lines;
};

// A design's line is the mask of its horses 0..v-1 written in base 32 (digits 0-9 then a-v), DesignMaskWidth(v)
// digits with leading zeros, so that the masks of a design stand side by side in one word: five horses a digit keep
// the library small (the whole library compiled into the program is about 50 KB).
inline constexpr int kDesignMaskBase = 32;
constexpr std::size_t DesignMaskWidth(int v)
{
    return static_cast<std::size_t>((v + 4) / 5);
}

// mask as a design's line of v horses is written: DesignMaskWidth(v) digits of base 32.
std::string DesignMaskDigits(std::uint32_t mask, int v);

// The designs found by Ornal's own search (bench/reduction/make-design-library), read from text: one design a line,
// "v k p t size seed millis" then one word of the size masks side by side; "#" starts a comment line. A line that
// does not read whole (a field missing or malformed, a mask outside the v horses or not of k of them, a word that is
// not size masks long, a repeated mask) is ignored; whether a design holds is checked by whoever uses it.
class DesignLibrary {
public:
    static DesignLibrary Parse(std::string_view text);

    // The library built into the program.
    static const DesignLibrary& Builtin();

    // The designs of this case, smallest first.
    std::vector<const StoredDesign*> designsFor(int v, int k, int p, int t) const;

    std::size_t size() const { return m_designs.size(); }
    std::size_t ignoredLines() const { return m_ignored; }

private:
    std::vector<StoredDesign> m_designs;
    std::size_t m_ignored = 0;
};

} // namespace ornal
