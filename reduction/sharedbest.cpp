#include "reduction/sharedbest.h"

namespace ornal {

SharedBest::SharedBest(std::vector<Index> lines, Clock::time_point start)
    : m_lines(std::move(lines))
    , m_start(start)
    , m_foundAfter(Clock::now() - start)
    , m_size(m_lines.size())
{
}

bool SharedBest::offer(std::span<const Index> lines)
{
    {
        std::lock_guard lock(m_mutex);
        if (lines.size() >= m_lines.size()) {
            return false;
        }
        m_lines.assign(lines.begin(), lines.end());
        m_foundAfter = Clock::now() - m_start;
        m_size.store(m_lines.size(), std::memory_order_release);
        m_version.fetch_add(1, std::memory_order_acq_rel);
    }
    m_changed.notify_all();
    return true;
}

std::uint64_t SharedBest::copy(std::vector<Index>& lines) const
{
    std::lock_guard lock(m_mutex);
    lines = m_lines;
    return m_version.load(std::memory_order_acquire);
}

SharedBest::Clock::duration SharedBest::foundAfter() const
{
    std::lock_guard lock(m_mutex);
    return m_foundAfter;
}

void SharedBest::halt()
{
    m_halt.store(true, std::memory_order_relaxed);
    // Taking the lock orders the flag before a waiter's next look at it.
    {
        std::lock_guard lock(m_mutex);
    }
    m_changed.notify_all();
}

void SharedBest::workerStarted()
{
    std::lock_guard lock(m_mutex);
    ++m_running;
}

void SharedBest::workerFinished()
{
    {
        std::lock_guard lock(m_mutex);
        --m_running;
    }
    m_changed.notify_all();
}

bool SharedBest::waitForChange(std::uint64_t seenVersion, Clock::duration timeout)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait_for(
        lock, timeout, [&] { return m_running == 0 || m_version.load(std::memory_order_acquire) != seenVersion; });
    return m_running > 0;
}

} // namespace ornal
