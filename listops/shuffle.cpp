#include "shuffle.h"

#include "linefields.h"

#include <algorithm>
#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

namespace {

std::uint64_t splitmix64(std::uint64_t& x)
{
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

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
{
    for (std::uint64_t& word : m_state) {
        word = splitmix64(seed);
    }
}

std::uint64_t ClockSeededSource::nextBits()
{
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return result;
}

CombinationList ShuffleWithinCombinations(const CombinationList& list, UniformSource& random)
{
    struct Field {
        std::size_t begin;
        std::size_t length;
    };
    // The lines keep their lengths, so the copy is rewritten in place, byte by byte: the fields are one or two
    // characters, and a library copy per field would cost more than the field.
    CombinationList result = list;
    std::vector<Field> fields;
    for (CombinationList::Count i = 0; i < result.size(); ++i) {
        const std::string_view source = list.line(i);
        fields.clear();
        ForEachLineNumber(source, [&](std::string_view field) {
            fields.push_back({ static_cast<std::size_t>(field.data() - source.data()), field.size() });
        });
        if (fields.size() < 2) {
            continue;
        }
        // Fisher-Yates, the same uniform law over orders as drawing positions and rejecting repeats. Each 64-bit
        // draw gives two picks by multiply-and-shift of its halves (bias below 2^-29), without a division.
        std::uint64_t bits = 0;
        for (std::size_t last = fields.size(), step = 0; last > 1; --last, ++step) {
            if (step % 2 == 0) {
                bits = random.nextBits();
            }
            const std::uint64_t half = (step % 2 == 0) ? (bits & 0xffffffffu) : (bits >> 32);
            const auto pick = static_cast<std::size_t>((half * last) >> 32);
            std::swap(fields[last - 1], fields[pick]);
        }
        const std::span<char> line = result.mutableLine(i);
        std::size_t out = source.find('-') + 1;
        for (const Field& field : fields) {
            for (std::size_t c = 0; c < field.length; ++c) {
                line[out++] = source[field.begin + c];
            }
            line[out++] = '-';
        }
    }
    return result;
}

} // namespace ornal
