#include "reduction/designlibrary.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <optional>

namespace ornal {

// The text of reduction/designs.txt, compiled in (designdata.cpp.in).
extern const char* const kDesignData;

namespace {

// A file written on Windows ends its lines with a carriage return: a blank like the others.
constexpr std::string_view kBlanks = " \t\r";

// Reads the fields of one line, blank-separated, from the front of line.
class Fields {
public:
    explicit Fields(std::string_view line)
        : m_line(line)
    {
    }

    // The next blank-separated word, empty at the end.
    std::string_view word()
    {
        m_line.remove_prefix(std::min(m_line.find_first_not_of(kBlanks), m_line.size()));
        const std::string_view found = m_line.substr(0, std::min(m_line.find_first_of(kBlanks), m_line.size()));
        m_line.remove_prefix(found.size());
        return found;
    }

    // The next word as a decimal number, when it is one whole.
    template <typename Number> std::optional<Number> next()
    {
        const std::string_view text = word();
        Number value {};
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc {} || end != text.data() + text.size()) {
            return std::nullopt;
        }
        return value;
    }

    bool atEnd() const { return m_line.find_first_not_of(kBlanks) == std::string_view::npos; }

private:
    std::string_view m_line;
};

std::optional<StoredDesign> ReadDesign(std::string_view line)
{
    Fields fields(line);
    const auto v = fields.next<int>();
    const auto k = fields.next<int>();
    const auto p = fields.next<int>();
    const auto t = fields.next<int>();
    const auto size = fields.next<std::uint32_t>();
    const auto seed = fields.next<std::uint64_t>();
    const auto millis = fields.next<std::uint64_t>();
    if (!v || !k || !p || !t || !size || !seed || !millis || *v < 1 || *v > 20 || *k < 1 || *k > *v || *t < 1 || *t > *k
        || *t > *p || *p > *v || *size == 0 || *size > (1u << *v)) {
        return std::nullopt;
    }
    StoredDesign design { *v, *k, *p, *t, *seed, *millis, {} };
    const std::size_t width = DesignMaskWidth(*v);
    const std::string_view masks = fields.word();
    if (masks.size() != *size * width) {
        return std::nullopt;
    }
    design.lines.reserve(*size);
    for (std::size_t at = 0; at < masks.size(); at += width) {
        std::uint32_t mask = 0;
        const char* const end = masks.data() + at + width;
        const auto [stop, error] = std::from_chars(masks.data() + at, end, mask, kDesignMaskBase);
        if (error != std::errc {} || stop != end || mask >= (1u << *v) || std::popcount(mask) != *k) {
            return std::nullopt;
        }
        design.lines.push_back(mask);
    }
    if (!fields.atEnd()) {
        return std::nullopt;
    }
    std::vector<std::uint32_t> sorted = design.lines;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) {
        return std::nullopt;
    }
    return design;
}

} // namespace

std::string DesignMaskDigits(std::uint32_t mask, int v)
{
    char digits[32];
    const char* const end = std::to_chars(digits, digits + sizeof digits, mask, kDesignMaskBase).ptr;
    const std::size_t written = static_cast<std::size_t>(end - digits);
    const std::size_t width = DesignMaskWidth(v);
    return std::string(width > written ? width - written : 0, '0') + std::string(digits, written);
}

DesignLibrary DesignLibrary::Parse(std::string_view text)
{
    DesignLibrary library;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.find_first_not_of(kBlanks) == std::string_view::npos || line.front() == '#') {
            continue;
        }
        if (std::optional<StoredDesign> design = ReadDesign(line)) {
            library.m_designs.push_back(std::move(*design));
        } else {
            ++library.m_ignored;
        }
    }
    return library;
}

const DesignLibrary& DesignLibrary::Builtin()
{
    static const DesignLibrary library = Parse(kDesignData);
    return library;
}

std::vector<const StoredDesign*> DesignLibrary::designsFor(int v, int k, int p, int t) const
{
    std::vector<const StoredDesign*> found;
    for (const StoredDesign& design : m_designs) {
        if (design.v == v && design.k == k && design.p == p && design.t == t) {
            found.push_back(&design);
        }
    }
    std::stable_sort(found.begin(), found.end(),
        [](const StoredDesign* a, const StoredDesign* b) { return a->lines.size() < b->lines.size(); });
    return found;
}

} // namespace ornal
