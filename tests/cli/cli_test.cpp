// Runs the built program as a script would: arguments in, standard output, standard error and status out.
#include "export/workbookcheck.h"
#include "programrun.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace ornal::testing_support;

TEST(CommandLine, PrintsFiftySixLinesInGenerationOrder)
{
    const ProgramRun run = RunOrnal({ "--print", "|8|5|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 56u);
    EXPECT_EQ(lines.front(), "-1-2-3-4-5-");
    EXPECT_EQ(lines[1], "-1-2-3-4-6-");
    EXPECT_EQ(lines.back(), "-4-5-6-7-8-");
    EXPECT_EQ(run.err, "Combinaisons : 56\n");
}

TEST(CommandLine, BaseSevenStandsSecond)
{
    const ProgramRun run = RunOrnal({ "--print", "--base", "7", "|5|3|3|7|12|1|9" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out),
        (std::vector<std::string> { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-12-7-1-", "-12-7-9-", "-1-7-9-" }));
    EXPECT_EQ(run.err, "Combinaisons : 6\n");
}

TEST(CommandLine, ArgumentsAreJoinedWithSpacesLikeTheWindowDoes)
{
    const ProgramRun split = RunOrnal({ "--print", " |8|3|1|2|3|4", "|5|6|7|8 " });
    const ProgramRun whole = RunOrnal({ "--print", "|8|3|1|2|3|4|5|6|7|8" });
    EXPECT_EQ(split.status, 0);
    EXPECT_EQ(split.out, whole.out);
    EXPECT_EQ(Lines(split.out).size(), 56u);
}

// 1 to 20 written with 6,000 leading zeros each.
std::string PredictionOfLongNumbers()
{
    std::string prediction = "|20|7";
    for (int n = 1; n <= 20; ++n) {
        prediction += '|' + std::string(6000, '0') + std::to_string(n);
    }
    return prediction;
}

struct RefusalCase {
    std::vector<std::string> arguments;
    int status;
    std::string errStart;
};

class CommandLineRefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(CommandLineRefusalTest, PrintsTheMessageAndNothingElse)
{
    const ProgramRun run = RunOrnal(GetParam().arguments);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.err.substr(0, GetParam().errStart.size()), GetParam().errStart) << run.err;
    EXPECT_EQ(run.out, "");
    // A misuse is its one line and where the help is, as command-line tools say it; never the whole usage.
    if (GetParam().status == 2) {
        const std::vector<std::string> lines = Lines(run.err);
        ASSERT_EQ(lines.size(), 2u) << run.err;
        EXPECT_EQ(lines[1], "Pour l'aide : ornal --help");
    }
}

INSTANTIATE_TEST_SUITE_P(ProgramMessages, CommandLineRefusalTest,
    testing::Values(RefusalCase { { "--print", "|8|3" }, 1, "Entrez un Numéro.\n" },
        RefusalCase { { "--print", "|4|7|1|2|3|4" }, 1, "Choix invalide.\n" },
        RefusalCase { { "--print", "|8|9|1|2|3|4|5|6|7|8" }, 1, "Vous devez choisir un type de jeu.\n" },
        RefusalCase { { "--print", "|4|2|5|12|05|9" }, 1, "Numéro déjà saisi.\n" },
        RefusalCase { { "--print", "--base", "1", "|1|2|1" }, 1, "Choix invalide.\n" },
        // A "-" in a number would split it into two fields of every line.
        RefusalCase { { "--print", "|4|2|1|-3|3|4" }, 1, "Entrez un Numéro.\n" },
        // C(20, 7) lines of 42 KB each, far past what a list may hold.
        RefusalCase { { "--print", PredictionOfLongNumbers() }, 1, "Choix invalide.\n" }));

INSTANTIATE_TEST_SUITE_P(Misuse, CommandLineRefusalTest,
    testing::Values(RefusalCase { { "--print", "x" }, 2, "ornal : PRONOSTIC" },
        RefusalCase { { "--print", "|21|3" }, 2, "ornal : PRONOSTIC" },
        // After "--", "-h" is an argument like any other, not the help.
        RefusalCase { { "--print", "--", "-h" }, 2, "ornal : PRONOSTIC" },
        RefusalCase { { "--print", "--xlsx", "a.xlsx", "|4|2|1|2|3|4" }, 2, "ornal : --print et --xlsx" },
        RefusalCase { { "--print" }, 2, "ornal : --print attend" },
        RefusalCase { { "--bogus" }, 2, "ornal : option inconnue" },
        RefusalCase { { "--print", "--base" }, 2, "ornal : --base attend" },
        RefusalCase { { "--base", "3", "|5|3|1|2|3|4|5" }, 2, "ornal : --base ne va" },
        RefusalCase { { "--print", "--base", "9", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 9" },
        // 1 stands in box 3, past the first three boxes that a base may occupy.
        RefusalCase { { "--print", "--base", "1", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 1" },
        RefusalCase { { "--print", "--base", "x", "|5|3|3|7|12|1|9" }, 2, "ornal : --base attend" },
        RefusalCase { { "--print", "--base", "3", "--base", "03", "|5|3|3|7|12|1|9" }, 2, "ornal : la base 03" },
        RefusalCase { { "--print", "--base", "1", "--base", "2", "--base", "3", "--base", "4", "|8|7|1|2|3|4|5|6|7|8" },
            2, "ornal : trois bases" }));

TEST(CommandLine, HelpAndVersion)
{
    const ProgramRun help = RunOrnal({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--print"), std::string::npos);
    // The prediction is named in French, as everywhere else the program speaks.
    EXPECT_NE(help.out.find("PRONOSTIC"), std::string::npos);
    EXPECT_EQ(help.out.find("PRELOAD"), std::string::npos);
    // -h is the help, alone or among other options, and never a prediction for the window.
    for (const std::vector<std::string>& arguments :
        std::vector<std::vector<std::string>> { { "-h" }, { "--print", "-h", "|4|2|1|2|3|4" } }) {
        const ProgramRun shortHelp = RunOrnal(arguments);
        EXPECT_EQ(shortHelp.status, 0);
        EXPECT_EQ(shortHelp.out, help.out);
        EXPECT_EQ(shortHelp.err, "");
    }
    const ProgramRun version = RunOrnal({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("ornal ", 0), 0u);
}

TEST(CommandLine, LargestListWhole)
{
    const ProgramRun run = RunOrnal({ "--print", "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" });
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out).size(), 77520u);
    EXPECT_EQ(run.err, "Combinaisons : 77520\n");
}

// A workbook far larger than what the process may write: the library's scratch files are cut short first, and
// the truncated workbook must not be taken for a finished one.
TEST(CommandLine, AWorkbookCutShortByTheFileSizeLimitIsReportedAndRemoved)
{
    std::string pattern = testing::TempDir() + "ornal_cli_limit_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "limite.xlsx";
    // Ignoring SIGXFSZ turns the limit into failed writes (EFBIG), as a full temporary folder gives.
    const ProgramRun run
        = RunOrnal({ "--xlsx", file.string(), "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" },
            "cd " + Quote(folder.string()) + " && trap '' XFSZ; ulimit -f 20; exec ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("Le classeur n'a pas pu être écrit dans « " + file.string() + " » : "), std::string::npos)
        << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
    std::filesystem::remove_all(folder);
}

// Output that cannot be written is a failure, said in French, never a success with the count alone.
struct UnwritableCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string redirection;
    std::string reason;
};

class UnwritableOutputTest : public testing::TestWithParam<UnwritableCase> { };

TEST_P(UnwritableOutputTest, ExitsOneWithTheReason)
{
    const UnwritableCase& c = GetParam();
    const ProgramRun run = RunOrnal(c.arguments, "exec " + c.redirection + " ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "ornal : écriture impossible : " + c.reason + "\n");
}

INSTANTIATE_TEST_SUITE_P(Table, UnwritableOutputTest,
    testing::Values(UnwritableCase { "FullDevice", { "--print", "|8|3|1|2|3|4|5|6|7|8" }, ">/dev/full",
                        "plus de place sur le disque" },
        UnwritableCase { "ClosedOutput", { "--print", "|8|3|1|2|3|4|5|6|7|8" }, ">&-", "la sortie est fermée" },
        UnwritableCase { "HelpOnAFullDevice", { "--help" }, ">/dev/full", "plus de place sur le disque" },
        UnwritableCase { "VersionOnAClosedOutput", { "--version" }, ">&-", "la sortie est fermée" }),
    [](const testing::TestParamInfo<UnwritableCase>& info) { return info.param.name; });

TEST(CommandLine, AnEmptyWorkbookNameOrARepeatedOptionIsAMisuse)
{
    const ProgramRun empty = RunOrnal({ "--xlsx", "", "|4|2|1|2|3|4" });
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err.rfind("ornal : --xlsx attend un nom de fichier.", 0), 0u) << empty.err;
    for (const std::vector<std::string>& arguments : std::vector<std::vector<std::string>> {
             { "--xlsx", "a.xlsx", "--xlsx", "b.xlsx", "|4|2|1|2|3|4" }, { "--print", "--print", "|4|2|1|2|3|4" } }) {
        const ProgramRun run = RunOrnal(arguments, "cd " + Quote(testing::TempDir()) + " && exec ");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err.rfind("ornal : l'option " + arguments[0] + " est donnée deux fois.", 0), 0u) << run.err;
        EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(testing::TempDir()) / "b.xlsx"));
    }
}

// A line break inside a number would make two output lines of one combination.
TEST(CommandLine, ControlCharactersInANumberAreRefused)
{
    for (const std::string& number :
        { std::string("3\n"), std::string("3\r"), std::string("\t3"), std::string("3\x1b") }) {
        const ProgramRun run = RunOrnal({ "--print", "|4|2|1|2|" + number + "|4" });
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "Entrez un Numéro.\n");
        EXPECT_EQ(run.out, "");
    }
}

// Without a display the window cannot open: a French sentence and status 1, not Qt's abort and a core file.
TEST(CommandLine, WithoutADisplayTheWindowSaysSoAndEndsWithOne)
{
    const ProgramRun run
        = RunOrnal({ "|8|3|1|2|3|4|5|6|7|8" }, "exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
        "ornal : aucun affichage disponible (DISPLAY ou WAYLAND_DISPLAY) ; pour un calcul sans fenêtre : ornal --print "
        "...\n");
}

// The command line is a small program of its own: a script pays for none of the window's libraries.
TEST(CommandLine, TheHeadlessProgramLoadsNoQtNorGio)
{
    const ProgramRun run = RunOrnal({ "--version" }, "LD_TRACE_LOADED_OBJECTS=1 exec ");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("libc.so"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("libQt"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("libgio"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("libglib"), std::string::npos) << run.out;
}

// The export's libraries come with its module, on the first workbook: printing or asking the version loads none.
TEST(CommandLine, TheExportLibrariesWaitForTheFirstWorkbook)
{
    const ProgramRun run = RunOrnal({ "--version" }, "LD_TRACE_LOADED_OBJECTS=1 exec ");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("libc.so"), std::string::npos) << run.out;
    for (const char* library : { "libxlsxwriter", "libzip", "libexpat" }) {
        EXPECT_EQ(run.out.find(library), std::string::npos) << library << " in\n" << run.out;
    }
}

// The window's start pays for what it shows: no image plugin (its pictures are read as the PNGs they are), no export
// library (those wait for the first workbook), no GIO (it waits for the first workbook opened or the web site), no
// print support (it waits for the first print preview).
TEST(CommandLine, TheWindowStartLoadsOnlyWhatItShows)
{
    const ProgramRun run = RunOrnal(
        { "|8|3|1|2|3|4|5|6|7|8" }, "QT_QPA_PLATFORM=offscreen ORNAL_QUIT_WHEN_SHOWN=1 LD_DEBUG=files exec ");
    EXPECT_EQ(run.status, 0);
    ASSERT_NE(run.err.find("libQt6Widgets"), std::string::npos) << "the loader's report is missing";
    for (const char* library : { "imageformats/", "libxlsxwriter", "libzip", "libgio", "libQt6PrintSupport" }) {
        EXPECT_EQ(run.err.find(library), std::string::npos) << library;
    }
}

// A copy of the program away from its module still prints, and says why it writes no workbook.
TEST(CommandLine, WithoutItsModuleTheProgramSaysWhyNoWorkbookIsWritten)
{
    const std::filesystem::path folder = testing::TempDir() + "ornal_alone_" + std::to_string(getpid());
    std::filesystem::create_directories(folder / "bin");
    const std::filesystem::path program = folder / "bin" / "ornal";
    std::filesystem::copy_file(ORNAL_BINARY, program, std::filesystem::copy_options::overwrite_existing);
    const std::filesystem::path workbook = folder / "jeu.xlsx";

    EXPECT_EQ(Lines(RunProgram(program, { "--print", "|5|3|1|2|3|4|5" }).out).size(), 10u);
    const ProgramRun run = RunProgram(program, { "--xlsx", workbook.string(), "|5|3|1|2|3|4|5" });
    EXPECT_EQ(run.status, 1);
    const std::string module = (folder / "lib").string();
    EXPECT_NE(run.err.find("Le classeur n'a pas pu être écrit : le module « " + module), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("» est introuvable."), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(workbook));
    std::filesystem::remove_all(folder);
}

// Bytes that are not UTF-8 and characters XML forbids reach the workbook as U+FFFD: the export ends, and the
// program's own read-back of every part has passed.
TEST(CommandLine, TextsThatAreNotXmlAreWrittenReadable)
{
    std::string pattern = testing::TempDir() + "ornal_cli_text_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    int n = 0;
    for (const std::string number : { "x\xEF\xBF\xBEy", "\xE9t\xE9", "\xFF", "\xC3", "\xED\xA0\x80" }) {
        const std::filesystem::path file = folder / ("texte" + std::to_string(++n) + ".xlsx");
        const ProgramRun run = RunOrnal({ "--xlsx", file.string(), "|4|2|1|2|3|" + number });
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.err, "Combinaisons : 6\n");
        EXPECT_TRUE(std::filesystem::exists(file)) << n;
    }
    std::filesystem::remove_all(folder);
}

// Under an address-space limit the export of the largest list ends with the French message and no file, or with
// the whole workbook: never a crash inside the workbook library, never an abort.
TEST(CommandLine, TheLargestExportUnderAMemoryLimitEndsCleanly)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
#endif
    std::string pattern = testing::TempDir() + "ornal_cli_memory_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "memoire.xlsx";
    for (const char* kilobytes : { "120000", "140000" }) {
        std::filesystem::remove(file);
        const ProgramRun run
            = RunOrnal({ "--xlsx", file.string(), "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" },
                std::string("ulimit -v ") + kilobytes + "; exec ");
        ASSERT_TRUE(run.status == 0 || run.status == 1) << kilobytes << ": status " << run.status << " " << run.err;
        if (run.status == 1) {
            EXPECT_NE(run.err.find("mémoire insuffisante pour écrire le classeur"), std::string::npos) << run.err;
            EXPECT_FALSE(std::filesystem::exists(file)) << kilobytes;
        } else {
            EXPECT_EQ(run.err, "Combinaisons : 77520\n");
            EXPECT_TRUE(std::filesystem::exists(file)) << kilobytes;
        }
    }
    std::filesystem::remove_all(folder);
}

namespace files {

std::vector<std::string> FolderEntries(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

// Killed at any moment of an export, the program leaves either nothing or a whole workbook under the name, and
// no temporary beside it; a later export to the same name then works.
TEST(CommandLine, AnExportKilledAtAnyMomentLeavesNoBrokenWorkbook)
{
    std::string pattern = testing::TempDir() + "ornal_cli_kill_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "k.xlsx";
    const std::string largest = "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20";
    int whole = 0;
    int absent = 0;
    // Later and later kills, until the export finishes before its kill comes.
    bool finished = false;
    for (int delayMs = 0; !finished && delayMs <= 5000; delayMs += 60) {
        std::filesystem::remove(file);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int null = ::open("/dev/null", O_WRONLY);
            dup2(null, 1);
            dup2(null, 2);
            execl(ORNAL_BINARY, ORNAL_BINARY, "--xlsx", file.c_str(), largest.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        usleep(static_cast<useconds_t>(delayMs) * 1000);
        int status = 0;
        finished = waitpid(child, &status, WNOHANG) == child;
        if (!finished) {
            kill(child, SIGTERM);
            waitpid(child, &status, 0);
        }
        if (std::filesystem::exists(file)) {
            EXPECT_EQ(ornal::FindDamagedPart(file), std::nullopt) << delayMs << " ms";
            ++whole;
        } else {
            ++absent;
        }
        for (const std::string& name : FolderEntries(folder)) {
            EXPECT_EQ(name, "k.xlsx") << "left behind after " << delayMs << " ms";
        }
    }
    EXPECT_TRUE(finished);
    EXPECT_GT(absent, 0);
    std::filesystem::remove(file);
    const ProgramRun again = RunOrnal({ "--xlsx", file.string(), "|4|2|1|2|3|4" });
    EXPECT_EQ(again.status, 0) << again.err;
    std::cout << "killed exports: " << whole << " whole, " << absent << " absent\n";
    std::filesystem::remove_all(folder);
}

// A restrictive umask gives a read-only workbook, not a failure to write it.
TEST(CommandLine, ARestrictiveUmaskStillWritesTheWorkbook)
{
    std::string pattern = testing::TempDir() + "ornal_cli_umask_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path file = folder / "u.xlsx";
    const ProgramRun run = RunOrnal({ "--xlsx", file.string(), "|4|2|1|2|3|4" }, "umask 0222; exec ");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "Combinaisons : 6\n");
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::status(file).permissions() & std::filesystem::perms::all,
        std::filesystem::perms::owner_read | std::filesystem::perms::group_read | std::filesystem::perms::others_read);
    EXPECT_EQ(ornal::FindDamagedPart(file), std::nullopt);
    std::filesystem::remove_all(folder);
}

} // namespace files

namespace memory {

// Numbers of a hundred digits make a list of 55 MB: under a 60 MB address space the computation runs short of
// memory, which must end with the French message and nothing on standard output, never an abort.
TEST(CommandLine, AComputationShortOfMemoryEndsWithTheMessage)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    GTEST_SKIP() << "the address sanitizer cannot run under an address-space limit";
#endif
#endif
    std::string prediction = "|20|7";
    for (int n = 1; n <= 20; ++n) {
        const std::string number = std::to_string(n);
        prediction += '|' + std::string(100 - number.size(), '0') + number;
    }
    const ProgramRun run = RunOrnal({ "--print", prediction }, "ulimit -v 60000; exec ");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.err, "ornal : mémoire insuffisante.\n");
    EXPECT_EQ(run.out, "");
}

} // namespace memory

} // namespace
