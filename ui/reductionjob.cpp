#include "ui/reductionjob.h"

#include <mutex>
#include <system_error>

namespace ornal {

// What the search's thread leaves for the owner's thread. Reports are many and the window only needs the latest:
// one delivery at a time is posted, and it reads whatever report is newest when it runs.
struct ReductionJob::Mailbox {
    std::shared_ptr<const CombinationList> list; // the run's own copy
    ReductionRequest request;
    std::mutex mutex;
    ReductionProgress latest; // guarded by mutex
    bool posted = false; // guarded by mutex: a delivery is waiting on the owner's thread
};

ReductionJob::ReductionJob(ProgressHandler onProgress, FinishHandler onFinish)
    : m_onProgress(std::move(onProgress))
    , m_onFinish(std::move(onFinish))
{
}

ReductionJob::~ReductionJob()
{
    // Joined here, before m_receiver goes: the thread may still post to it until it has ended.
    if (m_thread.joinable()) {
        m_thread.request_stop();
        m_thread.join();
    }
}

bool ReductionJob::start(std::shared_ptr<const CombinationList> list, ReductionRequest request)
{
    if (m_running || !list) {
        return false;
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
    auto mailbox = std::make_shared<Mailbox>();
    mailbox->list = std::move(list);
    request.list = mailbox->list.get();
    mailbox->request = std::move(request);
    QObject* receiver = &m_receiver;
    // Made here so that the thread's last steps allocate nothing but the posted call.
    auto outcome = std::make_shared<ReductionOutcome>(ReductionResult {});
    try {
        // The thread touches nothing of the job but the mailbox and the outcome; `this` is only used by the calls it
        // posts, which run on the owner's thread while the job lives.
        m_thread = std::jthread([this, mailbox, outcome, receiver](std::stop_token stop) {
            const ProgressCallback report = [this, &mailbox, receiver](const ReductionProgress& progress) {
                const std::lock_guard lock(mailbox->mutex);
                mailbox->latest = progress;
                if (!mailbox->posted) {
                    QMetaObject::invokeMethod(
                        receiver, [this] { deliverProgress(); }, Qt::QueuedConnection);
                    mailbox->posted = true;
                }
            };
            *outcome = Reduce(mailbox->request, stop, report);
            QMetaObject::invokeMethod(
                receiver, [this, outcome] { finish(*outcome); }, Qt::QueuedConnection);
        });
    } catch (const std::system_error&) {
        return false;
    }
    m_mailbox = std::move(mailbox);
    m_running = true;
    return true;
}

void ReductionJob::stop()
{
    if (m_thread.joinable()) {
        m_thread.request_stop();
    }
}

void ReductionJob::deliverProgress()
{
    ReductionProgress progress;
    {
        const std::lock_guard lock(m_mailbox->mutex);
        progress = m_mailbox->latest;
        m_mailbox->posted = false;
    }
    if (m_running && m_onProgress) {
        m_onProgress(progress);
    }
}

void ReductionJob::finish(const ReductionOutcome& outcome)
{
    // The thread posted this as its last act: joining only waits for it to return.
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_running = false;
    if (m_onFinish) {
        m_onFinish(outcome);
    }
}

} // namespace ornal
