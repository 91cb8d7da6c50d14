// Reading a game under a shortage of memory, and what reading a hostile file costs. Each case runs in a child
// process, so that a limit on its address space or its peak resident size is its own.
#include "document/gamefile.h"
#include "document/gamejson.h"
#include "filetesting.h"
#include "gametesting.h"

#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ornal {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr const char* kFileVariable = "ORNAL_MEMORY_TEST_FILE";
constexpr const char* kExtraVariable = "ORNAL_MEMORY_TEST_EXTRA";
constexpr const char* kPeakVariable = "ORNAL_MEMORY_TEST_PEAK";

// The child's statuses, apart from the test framework's own (1 when an exception left the test).
constexpr int kOpened = 20;
constexpr int kOutOfMemory = 21;
constexpr int kOtherRefusal = 22;
constexpr int kNoLimit = 23;

// The address space the process uses now, in bytes.
std::size_t AddressSpaceInUse()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// The body of the child processes below: loads the game named in the environment, its address space first
// limited to what it uses plus the extra bytes named there, if any; the status says how the load ended.
TEST(DISABLED_GameMemoryChild, LoadsTheGameNamedInTheEnvironment)
{
    const char* file = std::getenv(kFileVariable);
    // Made before the limit, so that only the load itself runs short.
    const std::filesystem::path path = file != nullptr ? file : "";
    if (const char* extra = std::getenv(kExtraVariable)) {
        const rlim_t limit = AddressSpaceInUse() + std::stoull(extra);
        const rlimit bound { limit, limit };
        if (::setrlimit(RLIMIT_AS, &bound) != 0) {
            std::_Exit(kNoLimit);
        }
    }
    const GameLoadOutcome loaded = file != nullptr ? LoadGame(path) : GameLoadOutcome { SavedGame {} };
    if (const char* peak = std::getenv(kPeakVariable)) {
        // The peak of this process's own memory: a new program starts its count afresh, whereas the parent's
        // resident size would be counted in ru_maxrss.
        std::ifstream status("/proc/self/status");
        std::ofstream out(peak);
        for (std::string line; std::getline(status, line);) {
            if (line.starts_with("VmHWM:")) {
                out << std::stol(line.substr(6)) << "\n";
            }
        }
    }
    if (loaded.ok() || file == nullptr) {
        std::_Exit(kOpened);
    }
    std::_Exit(loaded.refusalText().ends_with(" : mémoire insuffisante.") ? kOutOfMemory : kOtherRefusal);
}

// How a child ended: its exit status, or -signal when a signal ended it; and its peak resident size in kB, 0 when
// it did not say.
struct ChildEnd {
    int status = 0;
    long peakKilobytes = 0;
};

// Runs the test above in a new process of this program, so that its address space and its memory are its own.
ChildEnd LoadInChild(const std::string& file, std::optional<std::size_t> extraBytes)
{
    ScratchFolder folder;
    const std::filesystem::path peak = folder / "pic";
    std::vector<std::string> environment { std::string(kPeakVariable) + "=" + peak.string() };
    for (char** variable = environ; *variable != nullptr; ++variable) {
        environment.emplace_back(*variable);
    }
    if (!file.empty()) {
        environment.push_back(std::string(kFileVariable) + "=" + file);
    }
    if (extraBytes) {
        environment.push_back(std::string(kExtraVariable) + "=" + std::to_string(*extraBytes));
    }
    std::vector<char*> envp;
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    std::string filter = "--gtest_filter=DISABLED_GameMemoryChild.*";
    std::string disabled = "--gtest_also_run_disabled_tests";
    char* argv[] = { program.data(), filter.data(), disabled.data(), nullptr };
    ChildEnd end;
    pid_t child = 0;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        end.status = -1000;
        return end;
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child) {
        end.status = -1000;
        return end;
    }
    end.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    std::ifstream(peak) >> end.peakKilobytes;
    return end;
}

TEST(GameMemory, AShortageWhileReadingEndsInTheMessageWhateverTheLimit)
{
    if (kSanitized) {
        GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
    }
    ScratchFolder folder;
    SavedGame largest;
    largest.selection = SelectionOf(20, 7);
    largest.list = AllCombinations(20, 7);
    ASSERT_TRUE(SaveGame(folder / "jeu.ornal", largest).ok());
    int opened = 0;
    int refused = 0;
    for (std::size_t megabytes = 0; megabytes <= 40; megabytes += 2) {
        const ChildEnd end = LoadInChild((folder / "jeu.ornal").string(), megabytes << 20);
        ASSERT_TRUE(end.status == kOpened || end.status == kOutOfMemory)
            << megabytes << " MB more: status " << end.status;
        (end.status == kOpened ? opened : refused) += 1;
    }
    // The sweep must reach both ends, or it tested nothing.
    EXPECT_GT(opened, 0);
    EXPECT_GT(refused, 0);
}

std::string Repeated(const std::string& text, std::size_t times)
{
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

const std::string kHead = R"({"format": "ornal-jeu", "version": 1, )";

struct HostileFile {
    const char* name;
    std::function<std::string()> make; // at most 16 MB
};

class HostileGameFile : public testing::TestWithParam<HostileFile> { };

TEST_P(HostileGameFile, CostsAtMostAHundredMegabytes)
{
    if (kSanitized) {
        GTEST_SKIP() << "the address sanitizer's shadow memory counts in the resident size";
    }
    ScratchFolder folder;
    {
        const std::string content = GetParam().make();
        ASSERT_LE(content.size(), kMaxGameFileBytes);
        PutContent(folder / "jeu.ornal", content);
    }
    const ChildEnd before = LoadInChild("", std::nullopt);
    const ChildEnd end = LoadInChild((folder / "jeu.ornal").string(), std::nullopt);
    EXPECT_EQ(end.status, kOtherRefusal);
    RecordProperty("peakKilobytes", std::to_string(end.peakKilobytes));
    RecordProperty("idlePeakKilobytes", std::to_string(before.peakKilobytes));
    EXPECT_GT(end.peakKilobytes, 0);
    EXPECT_LE(end.peakKilobytes, 100 * 1024) << "a child doing nothing peaks at " << before.peakKilobytes << " kB";
}

// Lines of a valid shape but of long texts, the largest count filling the whole size allowed.
std::string LongLines()
{
    const std::string line = "\"-" + std::string(200, '7') + "-\",";
    std::string lines = Repeated(line, kMaxGameLines);
    lines.pop_back();
    return kHead + R"("texteSelection": "", "lignes": [)" + lines + "]}";
}

INSTANTIATE_TEST_SUITE_P(Files, HostileGameFile,
    testing::Values(HostileFile { "FiveMillionObjects",
                        [] { return kHead + R"("vide": [)" + Repeated("{},", 5'000'000) + "{}]}"; } },
        HostileFile {
            "FiveMillionNumbersAsLines", [] { return kHead + R"("lignes": [)" + Repeated("0,", 5'000'000) + "0]}"; } },
        HostileFile { "TheLargestListOfLongLines", LongLines },
        HostileFile { "OneTextOfSixteenMegabytes",
            [] { return kHead + R"("texteSelection": ")" + std::string(16'000'000, 'x') + "\"}"; } },
        HostileFile { "NestedArrays", [] { return kHead + R"("lignes": )" + std::string(16'000'000, '[') + "]}"; } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace ornal
