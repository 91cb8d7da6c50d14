// ShuffleWithinCombinations on fuzzed lists: the same lines in the same order, each holding its own numbers in
// some order, each text unchanged; and the same draws give the same result.

#include "fuzz/fuzzinput.h"
#include "fuzz/listinput.h"
#include "listops/shuffle.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using ornal::CombinationList;
using ornal::fuzz::Shown;

// Draws taken from the fuzzer's bytes, so that the extreme bit patterns (all zeros, all ones) come as often as the
// middle.
class ReplaySource final : public ornal::UniformSource {
public:
    explicit ReplaySource(std::vector<std::uint8_t> bytes)
        : m_bytes(std::move(bytes))
    {
    }
    std::uint64_t nextBits() override
    {
        if (m_bytes.empty()) {
            return 0;
        }
        const std::uint8_t b = m_bytes[m_next++ % m_bytes.size()];
        if (b == 0xff) {
            return ~std::uint64_t { 0 }; // the largest draw
        }
        return static_cast<std::uint64_t>(b) * 0x0101010101010101ULL;
    }

private:
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_next = 0;
};

void checkShuffled(const CombinationList& list, const CombinationList& shuffled)
{
    ORNAL_FUZZ_CHECK(shuffled.size() == list.size(), std::to_string(shuffled.size()));
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string before(list.line(i));
        const std::string after(shuffled.line(i));
        const std::string ctx = "line " + std::to_string(i) + " " + Shown(before) + " became " + Shown(after);
        std::vector<std::string> was = ornal::fuzz::OwnNumbers(before);
        std::vector<std::string> now = ornal::fuzz::OwnNumbers(after);
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        ORNAL_FUZZ_CHECK(was == now, ctx);
        if (ornal::fuzz::InLineFormat(before)) {
            ORNAL_FUZZ_CHECK(ornal::fuzz::InLineFormat(after) && after.size() == before.size(), ctx);
        }
        if (before.find('-') == std::string::npos) {
            ORNAL_FUZZ_CHECK(after == before, ctx);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const bool replay = in.flag();
    const std::uint64_t seed = in.integer(8);
    std::vector<std::uint8_t> draws;
    const int drawCount = in.range(0, 32);
    for (int i = 0; i < drawCount; ++i) {
        draws.push_back(in.byte());
    }
    const CombinationList list = ornal::fuzz::FuzzedList(in);

    if (replay) {
        ReplaySource first(draws);
        ReplaySource second(draws);
        const CombinationList shuffled = ornal::ShuffleWithinCombinations(list, first);
        checkShuffled(list, shuffled);
        ORNAL_FUZZ_CHECK(ornal::ShuffleWithinCombinations(list, second) == shuffled, "same draws, other result");
    } else {
        ornal::ClockSeededSource first(seed);
        ornal::ClockSeededSource second(seed);
        const CombinationList shuffled = ornal::ShuffleWithinCombinations(list, first);
        checkShuffled(list, shuffled);
        ORNAL_FUZZ_CHECK(ornal::ShuffleWithinCombinations(list, second) == shuffled, "same seed, other result");
        // Every draw of the clock-seeded source lies in [0, 1).
        for (int i = 0; i < 64; ++i) {
            const double r = first.next();
            ORNAL_FUZZ_CHECK(r >= 0.0 && r < 1.0, std::to_string(r));
        }
    }
    return 0;
}
