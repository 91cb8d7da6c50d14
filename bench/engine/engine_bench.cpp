// The largest list, C(20, 7) = 77,520 lines: computation and every list operation on it.
#include "engine/combinationengine.h"
#include "listops/conditions.h"
#include "listops/filters.h"
#include "listops/search.h"
#include "listops/shuffle.h"
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

// Five conditions together, as a player might set them in the dialog: two groups, the sum, the even numbers, the run.
ornal::LineConditions FiveConditions()
{
    ornal::LineConditions conditions;
    conditions.addGroup(ornal::HorseGroup { {}, { 1, 2, 3, 4, 5 }, { 1, 3 } });
    conditions.addGroup(ornal::HorseGroup { {}, { 6, 7, 8, 9, 10, 11, 12 }, { 2, 4 } });
    conditions.setSum(ornal::CountRange { 40, 90 });
    conditions.setEvenCount(ornal::CountRange { 2, 5 });
    conditions.setLongestRun(3);
    return conditions;
}

BENCHMARK_DEFINE_F(LargestList, CountFiveConditions)(benchmark::State& state)
{
    const ornal::LineConditions conditions = FiveConditions();
    ornal::CombinationList::Count meeting = 0;
    for (auto _ : state) {
        meeting = ornal::CountMeeting(m_list, conditions).value_or(0);
        benchmark::DoNotOptimize(meeting);
    }
    state.counters["meeting"] = meeting;
}

BENCHMARK_DEFINE_F(LargestList, ApplyFiveConditions)(benchmark::State& state)
{
    const ornal::LineConditions conditions = FiveConditions();
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::ApplyConditions(m_list, conditions));
    }
}

} // namespace

BENCHMARK_REGISTER_F(LargestList, Keep)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, Remove)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, Shuffle)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, SearchWithoutMatch)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, CountFiveConditions)->Unit(benchmark::kMillisecond);
BENCHMARK_REGISTER_F(LargestList, ApplyFiveConditions)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
