#include "shuffle.h"

#include "linefields.h"

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

double ClockSeededSource::next()
{
    const std::uint64_t result = rotl(m_state[1] * 5, 7) * 9;
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotl(m_state[3], 45);
    return static_cast<double>(result >> 11) * 0x1.0p-53;
}

CombinationList ShuffleWithinCombinations(const CombinationList& list, UniformSource& random)
{
    CombinationList result;
    std::size_t bytes = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        bytes += list.line(i).size();
    }
    result.reserve(list.size(), bytes);

    std::vector<std::string_view> fields;
    std::string shuffled;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        fields.clear();
        ForEachLineNumber(list.line(i), [&](std::string_view field) { fields.push_back(field); });
        // Fisher-Yates: the same uniform law over orders as drawing positions and rejecting repeats, with
        // k - 1 draws instead of about k times the harmonic number.
        for (std::size_t last = fields.size(); last > 1; --last) {
            const auto pick = static_cast<std::size_t>(static_cast<double>(last) * random.next());
            std::swap(fields[last - 1], fields[pick < last ? pick : last - 1]);
        }
        shuffled.assign(1, '-');
        for (std::string_view field : fields) {
            shuffled.append(field);
            shuffled.push_back('-');
        }
        // A line without a dash has no numbers to move; it stays as it is.
        result.append(fields.empty() && list.line(i).find('-') == std::string_view::npos ? list.line(i) : shuffled);
    }
    return result;
}

} // namespace ornal
