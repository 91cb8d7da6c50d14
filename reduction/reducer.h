#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"
#include "reduction/guarantee.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <stop_token>
#include <vector>

namespace ornal {

class DesignLibrary;

// The search's time limit offered first, and the longest a player may ask for, in seconds.
inline constexpr int kDefaultReductionSeconds = 5;
inline constexpr int kMostReductionSeconds = 3600;

// The line search the threads run after the orbit searches: the one chosen for the case (see LineSearchFor in
// reducer.cpp), or one kind for every case, which the benchmark compares.
enum class LineSearch { Chosen, Swaps, Annealing };

// What to reduce and how long to search.
struct ReductionRequest {
    const CombinationList* list = nullptr; // the current list; must outlive the call
    std::vector<double> horses; // the prediction's numbers, by value
    std::vector<double> bases; // among the horses; every arrival holds them
    Guarantee guarantee;
    std::chrono::milliseconds timeLimit { 10000 };
    unsigned maxThreads = 0; // at most this many search threads; 0 for one per core
    std::uint64_t seed = 1;
    // Moves per search thread, 0 for no limit. With one thread the search's path depends on the seed alone, so two
    // runs stopped by the same move limit (or both reaching the bound) keep the same lines.
    std::uint64_t moveLimit = 0;
    // At most this many lines, holding the heaviest weight of arrivals they can; 0 for the full guarantee. At or above
    // the size of the first complete reduction, the full guarantee is searched for as without it.
    std::uint64_t lineBudget = 0;
    LineSearch lineSearch = LineSearch::Chosen;
    // Whether a full list starts from the smallest fitting design of the built-in library (answered at once, then
    // searched on from), rather than from the greedy reduction alone.
    bool useLibrary = true;
    const DesignLibrary* library = nullptr; // the library to use; nullptr for the built-in one
    // The weight of an arrival, given its horses' numbers (in the order of horses): finite and not negative. Unset,
    // every arrival weighs 1 and the budget holds as many arrivals as it can.
    std::function<double(std::span<const double> arrival)> arrivalWeight;
};

// A report on the search under way.
struct ReductionProgress {
    std::uint64_t bestSize = 0; // lines of the best complete reduction so far
    std::uint64_t bound = 0; // no reduction can keep fewer lines
    std::chrono::milliseconds elapsed { 0 };
    // With a line budget: the arrivals the best lines so far hold, of those promised (0 of 0 without a budget).
    std::uint64_t held = 0;
    std::uint64_t promised = 0;
};

// Called on the thread running Reduce (for the window, a worker thread: post the report to the window's own
// thread), at the start, at each smaller reduction and a few times a second; it must return quickly.
using ProgressCallback = std::function<void(const ReductionProgress&)>;

struct ReductionResult {
    std::vector<CombinationList::Count> kept; // indexes into the list, in list order
    CombinationList::Count listSize = 0;
    std::uint64_t greedySize = 0; // lines of the greedy reduction
    std::uint64_t librarySize = 0; // lines of the library's design the search started from, 0 when none fitted
    std::uint64_t promised = 0; // arrivals some line of the list meets
    std::uint64_t met = 0; // of them, met by a kept line (all of them but under a line budget; verified)
    std::uint64_t outside = 0; // arrivals no line of the list meets: outside the guarantee
    std::uint64_t bound = 0;
    std::chrono::milliseconds timeToFinal { 0 }; // from the call to the finding of the kept lines
    std::chrono::milliseconds elapsed { 0 };
    bool stoppedEarly = false; // a stop request ended the search
    bool boundReached = false; // the kept lines are provably as few as can be
    unsigned threads = 0;
    std::uint64_t lineBudget = 0; // as asked; 0 for the full guarantee
    bool partial = false; // a line budget below a complete reduction: met may be below promised
    double heldWeight = 0; // the weight of the arrivals met by a kept line (their count without weights)
    double promisedWeight = 0; // the weight of every promised arrival
    bool bestChoice = false; // partial, and proven to hold the heaviest weight the line budget can
};

// The reduction made, or the refusal that says why nothing was reduced.
using ReductionOutcome = Result<ReductionResult>;

// Keeps as few lines of the list as the search finds while every promised arrival stays met, or, under a line
// budget below a complete reduction, that many lines holding the heaviest weight of arrivals the search finds;
// stops at the time limit, on a stop request, at the lower bound or when the budget holds everything. Never throws;
// never returns lines whose held count Verify does not confirm.
ReductionOutcome Reduce(
    const ReductionRequest& request, std::stop_token stop = {}, const ProgressCallback& progress = {});

// The lines of list at the indexes kept, in their order.
CombinationList KeptLines(const CombinationList& list, std::span<const CombinationList::Count> kept);

} // namespace ornal
