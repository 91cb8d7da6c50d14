// Costs, arrival checks and chances of a ticket on the largest lists: C(20, 7) = 77,520 Multi lines and C(20, 5) =
// 15,504 Quinté+ lines.
#include "betting/arrivalcheck.h"
#include "betting/betcost.h"
#include "betting/ticketchances.h"
#include "engine/combinationengine.h"
#include "testsupport.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const ornal::CombinationList& Lines(int betSize)
{
    static const ornal::CombinationList multi = ornal::ComputeCombinations(ornal::TwentyHorses(7)).list;
    static const ornal::CombinationList quinte = ornal::ComputeCombinations(ornal::TwentyHorses(5)).list;
    return betSize == 7 ? multi : quinte;
}

const std::vector<std::string> kArrival { "14", "3", "20", "7", "11" };

void BM_Cost(benchmark::State& state, int betSize, const char* typeId)
{
    const ornal::CombinationList& list = Lines(betSize);
    const ornal::BetType& type = *ornal::FindBetType(typeId);
    for (auto _ : state) {
        benchmark::DoNotOptimize(ornal::Cost(list, type, type.defaultStakeCents));
    }
    state.counters["lines"] = static_cast<double>(list.size());
}

void BM_CheckArrival(benchmark::State& state, int betSize, const char* typeId)
{
    const ornal::CombinationList& list = Lines(betSize);
    const ornal::BetType& type = *ornal::FindBetType(typeId);
    std::size_t paying = 0;
    for (auto _ : state) {
        const ornal::Result<ornal::ArrivalOutcome> outcome = ornal::CheckArrival(list, type, kArrival);
        paying = outcome ? outcome->paying.size() : 0;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["lines"] = static_cast<double>(list.size());
    state.counters["paying"] = static_cast<double>(paying);
}

// Twenty runners from a 2,5 favourite to outsiders at 60, every one of them a horse of the prediction.
std::vector<ornal::Runner> TwentyRunners()
{
    std::vector<ornal::Runner> runners;
    for (int i = 1; i <= 20; ++i) {
        runners.push_back({ i, 2.5 + (i - 1) * (i - 1) * 0.16 });
    }
    return runners;
}

void BM_TicketChances(benchmark::State& state, int betSize, const char* typeId)
{
    const ornal::CombinationList& list = Lines(betSize);
    const ornal::BetType& type = *ornal::FindBetType(typeId);
    const std::vector<ornal::Runner> runners = TwentyRunners();
    std::vector<double> horses;
    for (const ornal::Runner& runner : runners) {
        horses.push_back(runner.number);
    }
    double gain = 0;
    for (auto _ : state) {
        const ornal::Result<ornal::TicketChances> chances = ornal::ComputeTicketChances(list, type, runners, horses);
        gain = chances ? chances->gain : 0;
        benchmark::DoNotOptimize(chances);
    }
    state.counters["lines"] = static_cast<double>(list.size());
    state.counters["gain"] = gain;
}

} // namespace

BENCHMARK_CAPTURE(BM_Cost, MultiEnSept, 7, "multi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Cost, Quinte, 5, "quinte")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckArrival, MultiEnSept, 7, "multi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CheckArrival, Quinte, 5, "quinte")->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(BM_TicketChances, MultiEnSept, 7, "multi")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TicketChances, Quinte, 5, "quinte")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
