#include "listops/shuffle.h"

#include "engine/linefields.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

namespace {

std::uint64_t clockSeed()
{
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(wall) ^ std::rotl(static_cast<std::uint64_t>(steady), 32);
}

} // namespace

ClockSeededSource::ClockSeededSource()
    : ClockSeededSource(clockSeed())
{
}

ClockSeededSource::ClockSeededSource(std::uint64_t seed)
    : m_generator(seed)
{
}

std::uint64_t ClockSeededSource::nextBits()
{
    return m_generator.next();
}

namespace {

struct Field {
    std::uint32_t begin;
    std::uint32_t length;
};

// Fisher-Yates, the same uniform law over orders as drawing positions and rejecting repeats. Each 64-bit draw
// gives two picks by multiply-and-shift of its halves (bias below 2^-29), without a division.
template <typename Source, typename Item> void DrawOrder(Item* items, std::size_t count, Source& random)
{
    std::uint64_t bits = 0;
    for (std::size_t last = count, step = 0; last > 1; --last, ++step) {
        if (step % 2 == 0) {
            bits = random.nextBits();
        }
        const std::uint64_t half = (step % 2 == 0) ? (bits & 0xffffffffu) : (bits >> 32);
        const auto pick = static_cast<std::size_t>((half * last) >> 32);
        std::swap(items[last - 1], items[pick]);
    }
}

// A field of at most three characters followed by its closing dash, and its length with the dash.
struct ShortField {
    std::array<char, 4> bytes;
    std::uint32_t length;
};

// The lines of typed numbers are rewritten as one block of bytes from their first dash: the dashes are found a word
// at a time and the fields move as whole words. The block reaches past short lines into the next one, and a field's
// word past its dash, so the fast road needs this many bytes after the first dash and gives way near the end.
constexpr std::size_t kBlock = 32;
constexpr std::size_t kBlockReach = kBlock + 4;

std::uint64_t LoadWord(const char* p)
{
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Bit i set when byte i of the block is a dash, in the little-endian order of the loads.
std::uint64_t DashBits(const char* block)
{
    constexpr std::uint64_t kDashes = 0x2d2d2d2d2d2d2d2dull;
    constexpr std::uint64_t kLow7 = 0x7f7f7f7f7f7f7f7full;
    std::uint64_t bits = 0;
    for (std::size_t w = 0; w < kBlock / 8; ++w) {
        const std::uint64_t x = LoadWord(block + 8 * w) ^ kDashes;
        // 0x80 in exactly the bytes that were dashes, then gathered one bit per byte into the top byte.
        const std::uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);
        bits |= (((zero >> 7) * 0x0102040810204080ull) >> 56) << (8 * w);
    }
    return bits;
}

// Rewrites one line whose fields all have at most three characters and fit in the block starting at its first dash,
// from: false, with nothing written and nothing drawn, when a field is longer.
template <typename Source> bool ShuffleShortFields(const char* from, std::size_t span, char* out, Source& random)
{
    std::uint64_t dashes = DashBits(from) & ((std::uint64_t { 1 } << span) - 1);
    dashes &= dashes - 1; // the first dash opens the fields
    std::array<ShortField, kBlock> fields;
    std::size_t count = 0;
    std::uint32_t previous = 0;
    for (; dashes != 0; dashes &= dashes - 1) {
        const auto dash = static_cast<std::uint32_t>(std::countr_zero(dashes));
        const std::uint32_t length = dash - previous;
        if (length > fields[0].bytes.size()) {
            return false;
        }
        std::memcpy(fields[count].bytes.data(), from + previous + 1, fields[count].bytes.size());
        fields[count++].length = length;
        previous = dash;
    }
    if (count < 2) {
        return true;
    }
    DrawOrder(fields.data(), count, random);
    // Each word carries bytes past its field that the next field overwrites; those of the last word are put back.
    std::array<char, kBlockReach> block;
    std::memcpy(block.data(), from, block.size());
    std::size_t at = 1;
    for (std::size_t f = 0; f < count; ++f) {
        std::memcpy(block.data() + at, fields[f].bytes.data(), fields[f].bytes.size());
        at += fields[f].length;
    }
    std::memcpy(block.data() + at, from + at, fields[0].bytes.size());
    std::memcpy(out, block.data(), kBlock);
    return true;
}

// Any line: fields of any length, taken back from the source once drawn.
// fields is the caller's, kept from line to line so that a list of long fields allocates once.
template <typename Source>
void ShuffleAnyFields(std::string_view source, char* out, std::vector<Field>& fields, Source& random)
{
    fields.clear();
    ForEachLineNumber(source, [&](std::string_view field) {
        fields.push_back(
            { static_cast<std::uint32_t>(field.data() - source.data()), static_cast<std::uint32_t>(field.size()) });
    });
    if (fields.size() < 2) {
        return;
    }
    DrawOrder(fields.data(), fields.size(), random);
    for (const Field& field : fields) {
        for (std::uint32_t c = 0; c < field.length; ++c) {
            *out++ = source[field.begin + c];
        }
        *out++ = '-';
    }
}

// The shuffle proper, written once for any source: called with the program's own source, nextBits() is inlined
// instead of being a virtual call.
template <typename Source> CombinationList Shuffle(const CombinationList& list, Source& random)
{
    // The lines keep their lengths, so the copy is rewritten in place; the block written for a line reaches into
    // lines not yet shuffled with their own bytes, which the copy still holds.
    CombinationList result = list;
    if (list.size() == 0) {
        return result;
    }
    const std::string_view last = list.line(list.size() - 1);
    const char* const textEnd = last.data() + last.size();
    std::vector<Field> longFields;
    for (CombinationList::Count i = 0; i < result.size(); ++i) {
        const std::string_view source = list.line(i);
        const std::size_t firstDash = !source.empty() && source[0] == '-' ? 0 : source.find('-');
        if (firstDash == std::string_view::npos) {
            continue;
        }
        const char* from = source.data() + firstDash;
        const std::size_t span = source.size() - firstDash;
        char* out = result.mutableLine(i).data() + firstDash;
        const bool blockFits = std::endian::native == std::endian::little && span <= kBlock
            && static_cast<std::size_t>(textEnd - from) >= kBlockReach;
        if (!blockFits || !ShuffleShortFields(from, span, out, random)) {
            ShuffleAnyFields(source, out + 1, longFields, random);
        }
    }
    return result;
}

} // namespace

CombinationList ShuffleWithinCombinations(const CombinationList& list, UniformSource& random)
{
    if (auto* own = dynamic_cast<ClockSeededSource*>(&random)) {
        return Shuffle(list, *own);
    }
    return Shuffle(list, random);
}

} // namespace ornal
