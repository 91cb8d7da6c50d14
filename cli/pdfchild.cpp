#include "cli/pdfchild.h"

#include "files/temporaryregistry.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <system_error>

namespace ornal {

namespace {

constexpr std::array<int, 3> kSignals { SIGTERM, SIGINT, SIGHUP };

// What the handler reads: plain buffers and lock-free values, written only while the signals are blocked.
std::atomic<pid_t> g_child { 0 };
char g_folder[PATH_MAX] = {};
char g_file[PATH_MAX] = {};
std::array<struct sigaction, kSignals.size()> g_previous {};
std::array<bool, kSignals.size()> g_taken {};

static_assert(std::atomic<pid_t>::is_always_lock_free, "the signal handler needs a lock-free child");

// Blocks the three signals for its lifetime, so that the handler never sees a half-made change.
class SignalsBlocked {
public:
    SignalsBlocked()
    {
        sigset_t set;
        sigemptyset(&set);
        for (int signalNumber : kSignals) {
            sigaddset(&set, signalNumber);
        }
        pthread_sigmask(SIG_BLOCK, &set, &m_previous);
    }
    ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    SignalsBlocked(const SignalsBlocked&) = delete;
    SignalsBlocked& operator=(const SignalsBlocked&) = delete;

    const sigset_t& previous() const { return m_previous; }

private:
    sigset_t m_previous;
};

void RemoveFolder() noexcept
{
    if (g_file[0] != '\0') {
        unlink(g_file);
    }
    if (g_folder[0] != '\0') {
        rmdir(g_folder);
    }
}

void OnSignal(int signalNumber)
{
    const int savedErrno = errno;
    // The child first: once it has ended, nothing writes into the files removed below any more.
    if (const pid_t child = g_child.load(); child > 0) {
        kill(child, signalNumber);
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) { }
    }
    RemoveLiveTemporaries();
    RemoveFolder();
    struct sigaction defaultAction { };
    defaultAction.sa_handler = SIG_DFL;
    sigemptyset(&defaultAction.sa_mask);
    sigaction(signalNumber, &defaultAction, nullptr);
    errno = savedErrno;
    // Still blocked while this handler runs: the signal ends the process as soon as it returns.
    raise(signalNumber);
}

bool Copy(char (&target)[PATH_MAX], const std::string& text)
{
    if (text.size() >= PATH_MAX) {
        return false;
    }
    std::memcpy(target, text.c_str(), text.size() + 1);
    return true;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

PdfChild::PdfChild()
{
    // The temporaries' own cleanup goes in first, so that it is what comes back afterwards.
    InstallTemporaryCleanup();
    const SignalsBlocked blocked;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current { };
        g_taken[i] = false;
        if (sigaction(kSignals[i], nullptr, &current) != 0
            || ((current.sa_flags & SA_SIGINFO) == 0 && current.sa_handler == SIG_IGN)) {
            continue; // an ignored signal stays ignored (nohup)
        }
        struct sigaction action { };
        action.sa_handler = OnSignal;
        sigfillset(&action.sa_mask);
        if (sigaction(kSignals[i], &action, &g_previous[i]) == 0) {
            g_taken[i] = true;
        }
    }
}

PdfChild::~PdfChild()
{
    // A signal waits until the folder is gone: the handler would otherwise find it half removed, or not yet.
    const SignalsBlocked blocked;
    if (!m_folder.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_folder, ignored);
    }
    g_file[0] = '\0';
    g_folder[0] = '\0';
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (g_taken[i]) {
            sigaction(kSignals[i], &g_previous[i], nullptr);
            g_taken[i] = false;
        }
    }
}

int PdfChild::makeFolder(const std::filesystem::path& parent)
{
    std::string pattern = (parent / "ornal-pdf-XXXXXX").string();
    const SignalsBlocked blocked;
    if (!::mkdtemp(pattern.data())) {
        return errno;
    }
    m_folder = pattern;
    if (!Copy(g_folder, pattern)) {
        return ENAMETOOLONG;
    }
    return 0;
}

void PdfChild::holdFile(const std::string& name)
{
    m_file = m_folder / name;
    const SignalsBlocked blocked;
    if (!Copy(g_file, m_file.string())) {
        g_file[0] = '\0';
    }
}

int PdfChild::run(const std::string& program, std::vector<std::string> arguments, std::vector<std::string> environment,
    int outDescriptor)
{
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    // The child tells why its exec failed through this pipe; a successful exec closes it unwritten.
    int report[2];
    if (::pipe2(report, O_CLOEXEC) != 0) {
        return -1;
    }
    const pid_t parent = ::getpid();
    pid_t child = 0;
    {
        const SignalsBlocked blocked;
        child = ::fork();
        if (child == 0) {
            // Only async-signal-safe calls from here to exec.
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (::getppid() != parent) {
                ::_exit(127); // the parent ended before the line above could take effect
            }
            for (std::size_t i = 0; i < kSignals.size(); ++i) {
                if (g_taken[i]) {
                    struct sigaction defaultAction { };
                    defaultAction.sa_handler = SIG_DFL;
                    sigemptyset(&defaultAction.sa_mask);
                    sigaction(kSignals[i], &defaultAction, nullptr);
                }
            }
            pthread_sigmask(SIG_SETMASK, &blocked.previous(), nullptr);
            int error = 0;
            if (::dup2(outDescriptor, STDOUT_FILENO) < 0) {
                error = errno;
            } else {
                ::execve(program.c_str(), argv.data(), envp.data());
                error = errno;
            }
            (void)!::write(report[1], &error, sizeof error);
            ::_exit(127);
        }
        if (child > 0) {
            g_child.store(child);
        }
    }
    const int forkError = errno;
    ::close(report[1]);
    if (child < 0) {
        ::close(report[0]);
        errno = forkError;
        return -1;
    }
    int execError = 0;
    ssize_t got = 0;
    while ((got = ::read(report[0], &execError, sizeof execError)) < 0 && errno == EINTR) { }
    ::close(report[0]);
    int status = 0;
    pid_t waited = 0;
    while ((waited = ::waitpid(child, &status, 0)) < 0 && errno == EINTR) { }
    const int waitError = errno;
    g_child.store(0);
    if (got == static_cast<ssize_t>(sizeof execError)) {
        errno = execError;
        return -1;
    }
    if (waited < 0) {
        errno = waitError;
        return -1;
    }
    return status;
}

} // namespace ornal
