#include "reduction/budgetreduction.h"

#include "reduction/budgetchoice.h"
#include "reduction/budgetsearch.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <numeric>
#include <system_error>
#include <thread>

namespace ornal {

namespace {

using Clock = std::chrono::steady_clock;
using Index = ArrivalSpace::Index;

constexpr auto kHeartbeat = std::chrono::milliseconds(250);
// Moves between two looks at the halt flag and the clock: well under a millisecond.
constexpr std::uint64_t kChunk = 128;

// What the budget threads share: the heaviest lines found so far and the word to stop.
struct BudgetBoard {
    std::mutex mutex;
    std::condition_variable changed;
    BudgetLines best; // guarded by mutex
    std::uint64_t version = 0; // guarded by mutex
    int running = 0; // guarded by mutex
    std::atomic<bool> halt { false };

    void offer(std::span<const Index> lines, double held, Clock::time_point start)
    {
        const std::lock_guard lock(mutex);
        if (held > best.held) {
            best.lines.assign(lines.begin(), lines.end());
            best.held = held;
            best.foundAfter = Clock::now() - start;
            ++version;
            changed.notify_all();
        }
    }

    void finished()
    {
        const std::lock_guard lock(mutex);
        --running;
        changed.notify_all();
    }
};

std::uint64_t HeldCount(const ArrivalSpace& space, std::span<const Index> lines)
{
    std::vector<std::uint8_t> held(space.arrivalCount(), 0);
    std::uint64_t count = 0;
    for (Index line : lines) {
        for (Index arrival : space.arrivalsOf(line)) {
            count += held[arrival] == 0 ? 1 : 0;
            held[arrival] = 1;
        }
    }
    return count;
}

void Report(
    const ProgressCallback& progress, const ArrivalSpace& space, std::span<const Index> lines, Clock::time_point start)
{
    if (!progress) {
        return;
    }
    try {
        ReductionProgress report;
        report.bestSize = lines.size();
        report.elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
        report.held = HeldCount(space, lines);
        report.promised = space.arrivalCount();
        progress(report);
    } catch (...) {
        // A failing report must not end the search.
    }
}

void RunWorker(const ArrivalSpace& space, std::span<const double> weights, const ReductionRequest& request,
    std::vector<Index> initial, std::uint64_t seed, BudgetBoard& board, Clock::time_point start) noexcept
{
    try {
        BudgetSearch search(space.meetings(), weights, seed);
        search.load(initial);
        const Clock::time_point deadline = start + request.timeLimit;
        double offered = search.bestHeld();
        while (!board.halt.load(std::memory_order_relaxed) && Clock::now() < deadline) {
            std::uint64_t moves = kChunk;
            if (request.moveLimit != 0) {
                if (search.movesDone() >= request.moveLimit) {
                    break;
                }
                moves = std::min(moves, request.moveLimit - search.movesDone());
            }
            const bool all = search.search(moves);
            if (search.bestHeld() > offered) {
                offered = search.bestHeld();
                board.offer(search.best(), offered, start);
            }
            if (all) {
                board.halt = true; // nothing is left to hold
            }
        }
    } catch (...) {
        // The board keeps the best found so far; this thread simply stops adding to it.
    }
    board.finished();
}

} // namespace

Result<void> ArrivalWeights(const ArrivalSpace& space, const ReductionRequest& request, std::vector<double>& weights)
{
    weights.assign(space.arrivalCount(), 1.0);
    if (!request.arrivalWeight) {
        return {};
    }
    std::vector<double> horses;
    for (Index arrival = 0; arrival < space.arrivalCount(); ++arrival) {
        horses.clear();
        const ArrivalSpace::Mask mask = space.arrivalMask(arrival);
        for (std::size_t bit = 0; bit < request.horses.size(); ++bit) {
            if (mask & (ArrivalSpace::Mask { 1 } << bit)) {
                horses.push_back(request.horses[bit]);
            }
        }
        const double weight = request.arrivalWeight(horses);
        if (!std::isfinite(weight) || weight < 0) {
            return Refusal::Saying(
                "Poids d'arrivée invalide : la réduction au budget est impossible.", MessageIcon::Information);
        }
        weights[arrival] = weight;
    }
    return {};
}

BudgetLines SearchBudget(const ArrivalSpace& space, std::span<const double> weights, const ReductionRequest& request,
    std::span<const Index> design, std::stop_token stop, const ProgressCallback& progress, Clock::time_point start)
{
    const SetSystem& sets = space.meetings();
    const auto count = static_cast<std::size_t>(request.lineBudget);
    BudgetLines found;
    found.lines = GreedyChoice(sets, weights, count);
    found.held = HeldWeight(sets, weights, found.lines);
    if (!design.empty()) {
        // A design's lines overlap little: the greedy choice among them often holds more than among all lines.
        std::vector<Index> fromDesign = GreedyChoice(sets, weights, count, design);
        const double held = HeldWeight(sets, weights, fromDesign);
        if (held > found.held) {
            found.lines = std::move(fromDesign);
            found.held = held;
        }
    }
    found.foundAfter = Clock::now() - start;
    Report(progress, space, found.lines, start);
    if (HeldCount(space, found.lines) == space.arrivalCount() || found.lines.size() < count) {
        // Everything held, or no line adds anything: the greedy choice is as good as any.
        found.proven = true;
        return found;
    }
    if (request.timeLimit.count() <= 0 || stop.stop_requested()) {
        return found;
    }
    if (space.lineCount() <= kExactChoiceLines) {
        ExactChoice exact = BestChoice(sets, weights, count, found.lines, kExactChoiceWork, stop);
        if (exact.held > found.held) {
            found.lines = std::move(exact.lines);
            found.held = exact.held;
            found.foundAfter = Clock::now() - start;
            Report(progress, space, found.lines, start);
        }
        if (exact.proven) {
            found.proven = true;
            return found;
        }
    }

    BudgetBoard board;
    board.best = found;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned wanted = request.maxThreads == 0 ? cores : std::min(cores, request.maxThreads);
    std::stop_callback onStop(stop, [&board] { board.halt = true; });
    std::vector<std::jthread> threads;
    for (unsigned i = 0; i < wanted; ++i) {
        {
            const std::lock_guard lock(board.mutex);
            ++board.running;
        }
        const std::uint64_t seed = request.seed + 0x9E3779B97F4A7C15ull * i;
        try {
            threads.emplace_back(
                [&, seed, initial = found.lines] { RunWorker(space, weights, request, initial, seed, board, start); });
        } catch (const std::system_error&) {
            board.finished();
            break;
        }
    }
    if (threads.empty()) {
        {
            const std::lock_guard lock(board.mutex);
            ++board.running;
        }
        RunWorker(space, weights, request, found.lines, request.seed, board, start);
    }
    std::uint64_t seen = 0;
    std::unique_lock lock(board.mutex);
    while (board.running > 0) {
        board.changed.wait_for(lock, kHeartbeat, [&] { return board.running == 0 || board.version != seen; });
        seen = board.version;
        const std::vector<Index> lines = board.best.lines;
        lock.unlock();
        Report(progress, space, lines, start);
        lock.lock();
    }
    lock.unlock();
    const unsigned started = threads.empty() ? 1u : static_cast<unsigned>(threads.size());
    threads.clear(); // joins
    BudgetLines best = std::move(board.best);
    best.threads = started;
    best.proven = false;
    return best;
}

} // namespace ornal
