#pragma once

#include "reduction/arrivalspace.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <vector>

namespace ornal {

// The one thing the search threads share: the smallest complete reduction found so far, with the moment it was
// found, and the word to stop. Sizes and versions are atomics so that threads look at them without locking.
class SharedBest {
public:
    using Clock = std::chrono::steady_clock;
    using Index = ArrivalSpace::Index;

    SharedBest(std::vector<Index> lines, Clock::time_point start);

    // Keeps lines when they are fewer than the best; returns whether they were kept.
    bool offer(std::span<const Index> lines);

    std::size_t size() const { return m_size.load(std::memory_order_acquire); }
    std::uint64_t version() const { return m_version.load(std::memory_order_acquire); }

    // Copies the best lines into lines and returns their version.
    std::uint64_t copy(std::vector<Index>& lines) const;

    // Time from the start of the reduction to the finding of the best.
    Clock::duration foundAfter() const;

    void halt();
    bool halted() const { return m_halt.load(std::memory_order_relaxed); }

    // Worker bookkeeping, for the thread that waits on them.
    void workerStarted();
    void workerFinished();

    // Waits until the best changes past seenVersion, every worker has finished, or timeout passes; returns whether
    // workers are still running.
    bool waitForChange(std::uint64_t seenVersion, Clock::duration timeout);

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Index> m_lines;
    Clock::time_point m_start;
    Clock::duration m_foundAfter {};
    int m_running = 0;
    std::atomic<std::size_t> m_size;
    std::atomic<std::uint64_t> m_version { 0 };
    std::atomic<bool> m_halt { false };
};

} // namespace ornal
