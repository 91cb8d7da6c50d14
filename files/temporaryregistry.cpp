#include "files/temporaryregistry.h"

#include <array>
#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace ornal {

namespace {

enum SlotState : int { Free, Filling, Live, Removing };

struct Slot {
    std::atomic<int> state { Free };
    int folder = -1;
    char name[NAME_MAX + 1] = {};
};

static_assert(std::atomic<int>::is_always_lock_free, "the signal handler needs lock-free slots");

constexpr int kSlotCount = 32;
std::array<Slot, kSlotCount> g_slots;

constexpr std::array<int, 3> kSignals { SIGTERM, SIGINT, SIGHUP };

void OnTerminatingSignal(int signalNumber)
{
    RemoveLiveTemporaries();
    struct sigaction defaultAction { };
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    // The signal stays blocked until this handler returns, then ends the process with its usual status.
    raise(signalNumber);
}

void InstallNow()
{
    for (int signalNumber : kSignals) {
        struct sigaction current { };
        if (sigaction(signalNumber, nullptr, &current) != 0) {
            continue;
        }
        if ((current.sa_flags & SA_SIGINFO) != 0 || current.sa_handler != SIG_DFL) {
            continue;
        }
        struct sigaction action { };
        action.sa_handler = OnTerminatingSignal;
        sigfillset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(signalNumber, &action, nullptr);
    }
}

} // namespace

void InstallTemporaryCleanup()
{
    static std::once_flag once;
    std::call_once(once, InstallNow);
}

int RegisterTemporary(int folderDescriptor, std::string_view name)
{
    if (name.empty() || name.size() > NAME_MAX) {
        return -1;
    }
    for (int i = 0; i < kSlotCount; ++i) {
        Slot& slot = g_slots[static_cast<std::size_t>(i)];
        int expected = Free;
        if (!slot.state.compare_exchange_strong(expected, Filling, std::memory_order_acquire)) {
            continue;
        }
        slot.folder = folderDescriptor;
        std::memcpy(slot.name, name.data(), name.size());
        slot.name[name.size()] = '\0';
        slot.state.store(Live, std::memory_order_release);
        return i;
    }
    return -1;
}

void ForgetTemporary(int ticket)
{
    if (ticket < 0 || ticket >= kSlotCount) {
        return;
    }
    // A handler already removing this slot keeps it: the process is ending.
    int expected = Live;
    g_slots[static_cast<std::size_t>(ticket)].state.compare_exchange_strong(expected, Free, std::memory_order_acq_rel);
}

void RemoveLiveTemporaries() noexcept
{
    for (Slot& slot : g_slots) {
        int expected = Live;
        if (slot.state.compare_exchange_strong(expected, Removing, std::memory_order_acquire)) {
            unlinkat(slot.folder, slot.name, 0);
        }
    }
}

} // namespace ornal
