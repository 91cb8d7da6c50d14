#pragma once

#include "engine/combinationlist.h"
#include "reduction/reducer.h"

#include <QObject>

#include <functional>
#include <memory>
#include <thread>

namespace ornal {

// One reduction at a time on a thread of its own, over its own copy of the list. Its reports and its end come back
// as calls on the thread that made the job (the window's), never on the search's thread.
class ReductionJob {
public:
    using ProgressHandler = std::function<void(const ReductionProgress&)>;
    using FinishHandler = std::function<void(const ReductionOutcome&)>;

    ReductionJob(ProgressHandler onProgress, FinishHandler onFinish);
    // Stops a run under way and waits for its thread: no handler runs afterwards.
    ~ReductionJob();

    ReductionJob(const ReductionJob&) = delete;
    ReductionJob& operator=(const ReductionJob&) = delete;

    // Starts reducing list under request (request.list is set to the job's copy); false while a run is under way or
    // when no thread can be started.
    bool start(std::shared_ptr<const CombinationList> list, ReductionRequest request);

    // Asks the run to stop; it still ends through the finish handler, keeping the best reduction found.
    void stop();

    // True from start() until the finish handler has been called.
    bool running() const { return m_running; }

private:
    struct Mailbox;

    void deliverProgress();
    void finish(const ReductionOutcome& outcome);

    ProgressHandler m_onProgress;
    FinishHandler m_onFinish;
    // Posted calls go through this object: once it is gone, calls still waiting are dropped with it.
    QObject m_receiver;
    std::shared_ptr<Mailbox> m_mailbox;
    std::jthread m_thread;
    bool m_running = false;
};

} // namespace ornal
