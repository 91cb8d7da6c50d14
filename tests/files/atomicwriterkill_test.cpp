#include "files/atomicwriter.h"
#include "filetesting.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace ornal {
namespace {

using Names = std::vector<std::string>;

constexpr std::size_t kChunk = 16 * 1024;
constexpr int kChunks = 48;

std::string Chunk(int index)
{
    return std::string(kChunk, static_cast<char>('A' + index % 26));
}

std::string WholeFile()
{
    std::string bytes;
    for (int i = 0; i < kChunks; ++i) {
        bytes += Chunk(i);
    }
    return bytes;
}

// In the child: writes the file slowly, a chunk every pace, telling the parent through started when the temporary
// exists. Never returns.
[[noreturn]] void WriteSlowly(const std::filesystem::path& file, int started, std::chrono::milliseconds pace)
{
    const WriteOutcome outcome = WriteFileThroughDescriptor(file, [started, pace](int descriptor) -> FileStep {
        if (started >= 0) {
            const char signal = 1;
            (void)!::write(started, &signal, 1);
        }
        for (int i = 0; i < kChunks; ++i) {
            if (FileStep problem = WriteAll(descriptor, Chunk(i))) {
                return problem;
            }
            std::this_thread::sleep_for(pace);
        }
        return std::nullopt;
    });
    ::_exit(outcome.ok() ? 0 : 1);
}

int TerminationOf(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? WTERMSIG(status) : -WEXITSTATUS(status);
}

TEST(AtomicWriterKill, SigtermWhileWritingLeavesNeitherTheFileNorItsTemporary)
{
    // The parent waits for the temporary to exist, so each of these kills lands in the middle of the write (which
    // lasts at least 144 ms); without the cleanup the hidden temporary would stay behind.
    for (int delay : { 0, 2, 5, 10, 20 }) {
        ScratchFolder folder;
        int pipeEnds[2];
        ASSERT_EQ(::pipe(pipeEnds), 0);
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(pipeEnds[0]);
            WriteSlowly(folder / "jeu.ornal", pipeEnds[1], std::chrono::milliseconds(3));
        }
        ::close(pipeEnds[1]);
        char signal = 0;
        ASSERT_EQ(::read(pipeEnds[0], &signal, 1), 1);
        ::close(pipeEnds[0]);
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        ::kill(child, SIGTERM);
        EXPECT_EQ(TerminationOf(child), SIGTERM) << "delay " << delay << " ms";
        EXPECT_EQ(EntriesOf(folder.path()), Names {}) << "delay " << delay << " ms";
    }
}

TEST(AtomicWriterKill, AKillAtAnyMomentLeavesTheWholeFileOrNothing)
{
    // From before the writer starts to after it ends: whatever the moment, the name holds the whole file or is free.
    const std::string whole = WholeFile();
    int complete = 0;
    for (int delay = 0; delay <= 80; delay += 5) {
        ScratchFolder folder;
        const pid_t child = ::fork();
        if (child == 0) {
            WriteSlowly(folder / "jeu.ornal", -1, std::chrono::milliseconds(1));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(delay));
        ::kill(child, SIGTERM);
        const int end = TerminationOf(child);
        EXPECT_TRUE(end == SIGTERM || end == 0) << "delay " << delay << " ms, end " << end;
        const Names names = EntriesOf(folder.path());
        if (names.empty()) {
            continue;
        }
        EXPECT_EQ(names, Names { "jeu.ornal" }) << "delay " << delay << " ms";
        EXPECT_TRUE(ContentOf(folder / "jeu.ornal") == whole) << "delay " << delay << " ms";
        ++complete;
    }
    RecordProperty("complete", complete);
}

TEST(AtomicWriterKill, AnIgnoredSignalStaysIgnored)
{
    // nohup runs the program with SIGHUP ignored: the writer must not make a hang-up end it.
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGHUP, SIG_IGN);
        ScratchFolder folder;
        const bool written = WriteFileAtomically(folder / "a", "x").ok();
        struct sigaction hangUp { };
        struct sigaction terminate { };
        ::sigaction(SIGHUP, nullptr, &hangUp);
        ::sigaction(SIGTERM, nullptr, &terminate);
        ::_exit(written && hangUp.sa_handler == SIG_IGN && terminate.sa_handler != SIG_DFL ? 0 : 1);
    }
    EXPECT_EQ(TerminationOf(child), 0);
}

} // namespace
} // namespace ornal
