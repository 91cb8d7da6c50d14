// The largest list, C(20, 7) = 77,520 lines: computation and every list operation on it.
#include "combinationengine.h"
#include "filters.h"
#include "search.h"
#include "shuffle.h"
#include "testsupport.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

class LargestList : public benchmark::Fixture {
public:
    void SetUp(const benchmark::State&) override { m_list = ornal::LargestList(); }
    void TearDown(const benchmark::State&) override { m_list.clear(); }

protected:
    ornal::CombinationList m_list;
};

void BM_ComputeWithoutBases(benchmark::State& state)
{
    const ornal::Selection sel = ornal::LargestSelection(false);
    std::size_t bytes = 0;
    for (auto _ : state) {
        ornal::ComputeResult result = ornal::ComputeCombinations(sel);
        bytes = result.list.memoryBytes();
        benchmark::DoNotOptimize(result);
    }
    state.counters["list_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ComputeWithoutBases)->Unit(benchmark::kMillisecond);

void BM_ComputeWithThreeBases(benchmark::State& state)
{
    const ornal::Selection sel = ornal::LargestSelection(true);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::ComputeCombinations(sel));
    }
}
BENCHMARK(BM_ComputeWithThreeBases)->Unit(benchmark::kMillisecond);

BENCHMARK_DEFINE_F(LargestList, Keep)(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::KeepCombinationsWith(m_list, 5));
    }
}

BENCHMARK_DEFINE_F(LargestList, Remove)(benchmark::State& state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::RemoveCombinationsWith(m_list, 5));
    }
}

BENCHMARK_DEFINE_F(LargestList, Shuffle)(benchmark::State& state)
{
    ornal::ClockSeededSource random(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::ShuffleWithinCombinations(m_list, random));
    }
}

BENCHMARK_DEFINE_F(LargestList, SearchWithoutMatch)(benchmark::State& state)
{
    const std::array<std::string, ornal::kResultBoxCount> result { "1", "2", "3", "4", "99" };
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::SearchResult(m_list, "7", result));
    }
}

} // namespace

BENCHMARK_REGISTER_F(LargestList, Keep)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, Remove)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, Shuffle)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, SearchWithoutMatch)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
