// Kills during `ornal --pdf`: of the program, which must take the window's program drawing the pages with it, and of
// that child, which must leave nothing behind. Either way no temporary stays in TMPDIR or beside the PDF.
#include "files/pdfcheck.h"
#include "filetesting.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <thread>

namespace ornal {
namespace {

using Names = std::vector<std::string>;

// 8,008 lines over about forty pages: long enough to be killed in any of its steps.
constexpr const char* kPreload = "|16|6|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16";

// Makes this test the parent of the processes its children leave: a child of `ornal` still running once `ornal` has
// ended then shows up here.
class Subreaper {
public:
    Subreaper() { ::prctl(PR_SET_CHILD_SUBREAPER, 1); }
    ~Subreaper()
    {
        ::prctl(PR_SET_CHILD_SUBREAPER, 0);
        while (::waitpid(-1, nullptr, WNOHANG) > 0) { }
    }
};

// Starts `ornal --pdf pdf kPreload` with TMPDIR at tmp, its outputs to /dev/null (stderr to errFile when given).
// Qt's runtime folder goes into a folder of its own, so that TMPDIR holds only what the program makes there.
pid_t StartPdf(const std::filesystem::path& pdf, const std::filesystem::path& tmp, const std::string& errFile = "")
{
    static const ScratchFolder runtime;
    std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("TMPDIR", tmp.c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        const int null = ::open("/dev/null", O_WRONLY);
        const int err = errFile.empty() ? null : ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(null, 1);
        ::dup2(err, 2);
        ::execl(ORNAL_BINARY, ORNAL_BINARY, "--pdf", pdf.c_str(), kPreload, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return child;
}

// The processes whose parent is parent, read from /proc.
std::vector<pid_t> ChildrenOf(pid_t parent)
{
    std::vector<pid_t> children;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        std::ifstream stat(entry.path() / "stat");
        std::string line;
        std::getline(stat, line);
        // "pid (command) state ppid ...": the command may hold blanks, so read after its closing parenthesis.
        const std::size_t close = line.rfind(')');
        if (close == std::string::npos) {
            continue;
        }
        char state = 0;
        int ppid = 0;
        if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &ppid) == 2 && ppid == parent) {
            children.push_back(static_cast<pid_t>(std::stoi(name)));
        }
    }
    return children;
}

// What a kill may leave beside the PDF: nothing, or the whole PDF under its name.
void ExpectNothingOrTheWholePdf(const std::filesystem::path& folder, const std::string& when)
{
    const Names names = EntriesOf(folder);
    if (names.empty()) {
        return;
    }
    EXPECT_EQ(names, Names { "k.pdf" }) << when;
    EXPECT_EQ(CheckPdfComplete((folder / "k.pdf").string()), std::nullopt) << when;
}

TEST(PdfKill, AKillOfTheProgramEndsTheChildToo)
{
    const Subreaper subreaper;
    int killed = 0;
    bool finished = false;
    const int signals[] = { SIGTERM, SIGINT, SIGHUP };
    // Later and later kills, from before the child starts until the PDF is done before its kill comes.
    for (int round = 0; !finished && round < 200; ++round) {
        const int delayMs = round * 20;
        const int signalNumber = signals[round % 3];
        const std::string when = "signal " + std::to_string(signalNumber) + " after " + std::to_string(delayMs) + " ms";
        ScratchFolder destination;
        ScratchFolder tmp;
        const pid_t program = StartPdf(destination / "k.pdf", tmp.path());
        ASSERT_GT(program, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        int status = 0;
        finished = ::waitpid(program, &status, WNOHANG) == program;
        if (!finished) {
            ::kill(program, signalNumber);
            ASSERT_EQ(::waitpid(program, &status, 0), program);
            if (WIFSIGNALED(status)) {
                ++killed;
                EXPECT_EQ(WTERMSIG(status), signalNumber) << when;
            }
        }
        // Nothing the program started is still running once it has ended. The sanitizers' own helper processes may
        // end a moment after it and come back to this reaper: they are given a second to end, then reaped.
        for (int wait = 0; wait < 50; ++wait) {
            while (::waitpid(-1, nullptr, WNOHANG) > 0) { }
            if (ChildrenOf(::getpid()).empty()) {
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        EXPECT_EQ(ChildrenOf(::getpid()), std::vector<pid_t> {})
            << when << ": a child of the program was still running";
        EXPECT_EQ(EntriesOf(tmp.path()), Names {}) << when;
        ExpectNothingOrTheWholePdf(destination.path(), when);
        // A child that went on would write its PDF later still.
        if (WIFSIGNALED(status)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ExpectNothingOrTheWholePdf(destination.path(), when + ", a little later");
        }
    }
    EXPECT_TRUE(finished);
    EXPECT_GT(killed, 3);
    RecordProperty("killed", killed);
}

// The moments right after the PDF takes its name, while the program clears its private folder, are the last a kill
// can land in.
TEST(PdfKill, AKillAsThePdfIsDoneLeavesNoFolderInTmpdir)
{
    const Subreaper subreaper;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string when = "attempt " + std::to_string(attempt);
        ScratchFolder destination;
        ScratchFolder tmp;
        const pid_t program = StartPdf(destination / "k.pdf", tmp.path());
        ASSERT_GT(program, 0);
        int status = 0;
        bool ended = false;
        while (!ended && !std::filesystem::exists(destination / "k.pdf")) {
            ended = ::waitpid(program, &status, WNOHANG) == program;
        }
        if (!ended) {
            ::kill(program, attempt % 2 == 0 ? SIGTERM : SIGHUP);
            ASSERT_EQ(::waitpid(program, &status, 0), program);
        }
        EXPECT_EQ(EntriesOf(tmp.path()), Names {}) << when;
        ExpectNothingOrTheWholePdf(destination.path(), when);
    }
}

TEST(PdfKill, AChildKilledOutrightLeavesNoTemporaryBesideThePdf)
{
    const Subreaper subreaper;
    int childKills = 0;
    for (int delayMs : { 0, 5, 30, 80, 150 }) {
        const std::string when = "child killed " + std::to_string(delayMs) + " ms after it started";
        ScratchFolder destination;
        ScratchFolder tmp;
        ScratchFolder messages;
        const pid_t program = StartPdf(destination / "k.pdf", tmp.path(), (messages / "err").string());
        ASSERT_GT(program, 0);
        std::vector<pid_t> children;
        int status = 0;
        bool ended = false;
        // The child appears once the game is handed over; the program may also be done before it is seen.
        for (int wait = 0; children.empty() && !ended && wait < 4000; ++wait) {
            children = ChildrenOf(program);
            ended = children.empty() && ::waitpid(program, &status, WNOHANG) == program;
            if (children.empty() && !ended) {
                std::this_thread::sleep_for(std::chrono::microseconds(500));
            }
        }
        if (!children.empty()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            for (pid_t child : children) {
                ::kill(child, SIGKILL);
            }
            ASSERT_EQ(::waitpid(program, &status, 0), program);
        }
        ASSERT_TRUE(WIFEXITED(status)) << when;
        if (WEXITSTATUS(status) != 0) {
            ++childKills;
            EXPECT_EQ(WEXITSTATUS(status), 1) << when;
            EXPECT_EQ(ContentOf(messages / "err"),
                "ornal : Impossible d'enregistrer « k.pdf » : l'impression s'est arrêtée avant la fin.\n")
                << when;
            EXPECT_EQ(EntriesOf(destination.path()), Names {}) << when;
        } else {
            ExpectNothingOrTheWholePdf(destination.path(), when);
        }
        EXPECT_EQ(EntriesOf(tmp.path()), Names {}) << when;
    }
    // The later kills may come after a fast machine has finished the pages; the first ones always land.
    EXPECT_GT(childKills, 0);
}

} // namespace
} // namespace ornal
