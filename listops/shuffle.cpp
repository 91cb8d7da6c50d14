#include "shuffle.h"

#include "linefields.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

namespace {

std::uint64_t rotl(std::uint64_t x, int k)
{
    return (x << k) | (x >> (64 - k));
}

std::uint64_t clockSeed()
{
    const auto wall = std::chrono::system_clock::now().time_since_epoch().count();
    const auto steady = std::chrono::steady_clock::now().time_since_epoch().count();
    return static_cast<std::uint64_t>(wall) ^ rotl(static_cast<std::uint64_t>(steady), 32);
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

// Rewrites one line whose fields all have at most three characters, the lines of typed numbers: fields move as
// whole words, without going back to the source. False, with nothing written, when the line has a longer field.
template <typename Source>
bool ShuffleShortFields(std::string_view source, std::size_t firstDash, char* out, Source& random)
{
    constexpr std::size_t kMax = 24;
    std::array<ShortField, kMax> fields;
    std::size_t count = 0;
    std::size_t p = firstDash + 1;
    const std::size_t end = source.size();
    while (p < end) {
        std::size_t q = p;
        std::array<char, 4> bytes {};
        while (q < end && source[q] != '-') {
            if (q - p == 3) {
                return false;
            }
            bytes[q - p] = source[q];
            ++q;
        }
        if (q == end) {
            break; // text after the last dash is no field
        }
        if (count == kMax) {
            return false;
        }
        bytes[q - p] = '-';
        fields[count++] = { bytes, static_cast<std::uint32_t>(q - p + 1) };
        p = q + 1;
    }
    if (count < 2) {
        return true;
    }
    DrawOrder(fields.data(), count, random);
    // A field is laid down as a whole word, the next one overwriting its unused bytes, while the word stays within
    // the line; near the line's end it goes byte by byte, since a word could run into the next line.
    std::size_t total = 0;
    for (std::size_t f = 0; f < count; ++f) {
        total += fields[f].length;
    }
    std::size_t at = 0;
    for (std::size_t f = 0; f < count; ++f) {
        if (at + fields[f].bytes.size() <= total) {
            std::memcpy(out + at, fields[f].bytes.data(), fields[f].bytes.size());
        } else {
            for (std::uint32_t c = 0; c < fields[f].length; ++c) {
                out[at + c] = fields[f].bytes[c];
            }
        }
        at += fields[f].length;
    }
    return true;
}

// Any line: fields of any length, taken back from the source once drawn.
template <typename Source> void ShuffleAnyFields(std::string_view source, char* out, Source& random)
{
    std::vector<Field> fields;
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
    // The lines keep their lengths, so the copy is rewritten in place.
    CombinationList result = list;
    for (CombinationList::Count i = 0; i < result.size(); ++i) {
        const std::string_view source = list.line(i);
        const std::size_t firstDash = source.find('-');
        if (firstDash == std::string_view::npos) {
            continue;
        }
        char* out = result.mutableLine(i).data() + firstDash + 1;
        if (!ShuffleShortFields(source, firstDash, out, random)) {
            ShuffleAnyFields(source, out, random);
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
