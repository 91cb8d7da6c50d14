// The export of the largest list in a child process whose address space is cut short: it must end with the
// French message and leave no file, never crash inside the workbook library nor abort on std::bad_alloc.
#include "engine/combinationengine.h"
#include "export/exportcommand.h"
#include "export/sheetlayout.h"
#include "export/workbookwriter.h"
#include "filetesting.h"
#include "testsupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#if defined(__SANITIZE_ADDRESS__)
#define ORNAL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORNAL_ADDRESS_SANITIZER 1
#endif
#endif

namespace ornal {
namespace {

constexpr const char* kShortage = "mémoire insuffisante pour écrire le classeur";

const ComputeResult& LargestComputation()
{
    static const ComputeResult result = ComputeCombinations(LargestSelection());
    return result;
}

// The address space this process maps now, in bytes.
std::size_t MappedBytes()
{
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    statm >> pages;
    return pages * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

// The child's status when the limit could not be set.
constexpr int kNoLimit = 3;

struct ChildEnd {
    bool exited = false; // false: killed by a signal
    int status = -1; // the exit status, or the signal
    std::string text; // what the child reported
};

// Runs body in a child whose address space may grow by margin bytes only; body's text comes back through a pipe
// and its result is the exit status (kNoLimit when the limit could not be set).
ChildEnd RunWithMargin(std::size_t margin, const std::function<int(std::string& text)>& body)
{
    int fds[2];
    if (::pipe(fds) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        const rlim_t bytes = MappedBytes() + margin;
        const rlimit limit { bytes, bytes };
        if (::setrlimit(RLIMIT_AS, &limit) != 0) {
            ::_exit(kNoLimit);
        }
        std::string text;
        const int status = body(text);
        [[maybe_unused]] const ssize_t written = ::write(fds[1], text.data(), text.size());
        ::_exit(status);
    }
    ::close(fds[1]);
    ChildEnd end;
    char buffer[1024];
    for (ssize_t count; (count = ::read(fds[0], buffer, sizeof buffer)) > 0;) {
        end.text.append(buffer, static_cast<std::size_t>(count));
    }
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    end.exited = WIFEXITED(status);
    end.status = end.exited ? WEXITSTATUS(status) : WTERMSIG(status);
    return end;
}

class ExportUnderAMemoryLimit : public testing::Test {
protected:
    void SetUp() override
    {
#ifdef ORNAL_ADDRESS_SANITIZER
        GTEST_SKIP() << "the address sanitizer maps far more than any limit these tests set";
#endif
        ASSERT_EQ(LargestComputation().list.size(), 77520u);
    }

    ScratchFolder m_folder;
    std::filesystem::path m_file = m_folder.path() / "memoire.xlsx";
};

// One megabyte cannot hold the layout of 77,520 lines: the command stops before any line is laid out. Eight hold it
// but not the library's copy: the writer refuses to start. Either way the shortage is said and no file is left.
TEST_F(ExportUnderAMemoryLimit, TheCommandReportsTheShortage)
{
    struct Case {
        std::size_t margin;
        std::string message; // the whole message, or empty when only the shortage must be named
    };
    for (const Case& c : { Case { std::size_t { 1 } << 20, "Export interrompu : " + std::string(kShortage) + "." },
             Case { std::size_t { 8 } << 20, "" } }) {
        const ChildEnd end = RunWithMargin(c.margin, [this](std::string& text) {
            const ExportOutcome outcome = ExportCombinationList({ .list = LargestComputation().list,
                .selectionText = LargestComputation().selectionText,
                .file = m_file });
            text = outcome.refusal ? outcome.refusal->text() : "";
            const bool critical = outcome.refusal && outcome.refusal->message.icon == MessageIcon::Critical
                && outcome.refusal->message.title == "F-> : Ornal";
            return outcome.written() || !critical ? 0 : outcome.selectedLine ? 2 : 1;
        });
        ASSERT_TRUE(end.exited) << "killed by signal " << end.status;
        EXPECT_NE(end.status, 0) << c.margin << ": " << end.text;
        EXPECT_NE(end.text.find(kShortage), std::string::npos) << end.text;
        if (!c.message.empty()) {
            EXPECT_EQ(end.text, c.message);
            EXPECT_EQ(end.status, 1) << "no line is to be selected when none was laid out";
        }
        EXPECT_FALSE(std::filesystem::exists(m_file));
    }
}

// With the sheet already built, the library is what needs the memory: it is asked for before the library starts.
TEST_F(ExportUnderAMemoryLimit, TheWriterReportsTheShortageBeforeTheLibraryRunsShort)
{
    const SheetLayout sheet = LayOutSheet(
        { .list = LargestComputation().list, .selectionText = LargestComputation().selectionText }, "07/12/2026");
    ASSERT_EQ(sheet.lastRow, 77530);

    const ChildEnd end = RunWithMargin(std::size_t { 4 } << 20, [&](std::string& text) {
        const Result<void> written = WriteWorkbook(sheet, m_file);
        text = written ? "" : written.refusal().text();
        return written ? 0 : 1;
    });
    ASSERT_TRUE(end.exited) << "killed by signal " << end.status;
    EXPECT_EQ(end.status, 1) << end.text;
    EXPECT_EQ(end.text, "Le classeur n'a pas pu être écrit dans « " + m_file.string() + " » : " + kShortage + ".");
    EXPECT_FALSE(std::filesystem::exists(m_file));
}

// The same export with room to spare writes the workbook: the limit, not the child, made the difference.
TEST_F(ExportUnderAMemoryLimit, WithRoomEnoughTheWorkbookIsWritten)
{
    const ChildEnd end = RunWithMargin(std::size_t { 512 } << 20, [this](std::string& text) {
        const ExportOutcome outcome = ExportCombinationList(
            { .list = LargestComputation().list, .selectionText = LargestComputation().selectionText, .file = m_file });
        text = outcome.refusal ? outcome.refusal->text() : "";
        return outcome.written() ? 0 : 1;
    });
    ASSERT_TRUE(end.exited) << "killed by signal " << end.status;
    EXPECT_EQ(end.status, 0) << end.text;
    EXPECT_TRUE(std::filesystem::exists(m_file));
}

} // namespace
} // namespace ornal
