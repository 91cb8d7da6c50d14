// The files a command line writes: all of them or none, never one name for two outputs, names printed on one line.
#include "filetesting.h"
#include "programrun.h"

#include <gtest/gtest.h>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

const std::string kFive = "|5|3|3|7|12|1|9";

// Every output at once, into folder, with the option given by skip left out.
Texts EveryOutput(const ScratchFolder& folder, const std::string& skip = "")
{
    const std::pair<const char*, const char*> outputs[]
        = { { "--enregistrer", "jeu.ornal" }, { "--csv", "jeu.csv" }, { "--pdf", "jeu.pdf" } };
    Texts arguments { "--print" };
    for (const auto& [option, name] : outputs) {
        if (option != skip) {
            arguments.insert(arguments.end(), { option, (folder / name).string() });
        }
    }
    return arguments;
}

struct BlockedCase {
    const char* name;
    const char* option;
    std::function<std::filesystem::path(const ScratchFolder&)> block; // makes the destination and names it
    const char* err;
};

class BlockedDestination : public testing::TestWithParam<BlockedCase> { };

// Once, the last output refused came after the others were written and the lines printed.
TEST_P(BlockedDestination, RefusesTheWholeCommandBeforeAnythingIsWritten)
{
    ScratchFolder folder;
    const std::filesystem::path blocked = GetParam().block(folder);
    const Texts before = EntriesOf(folder.path());
    Texts arguments = EveryOutput(folder, GetParam().option);
    arguments.insert(arguments.end(), { GetParam().option, blocked.string(), kFive });
    const ProgramRun run = RunOrnal(arguments);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, std::string("ornal : ") + GetParam().err + "\n");
    EXPECT_EQ(EntriesOf(folder.path()), before);
}

std::filesystem::path Existing(const ScratchFolder& folder, const char* name)
{
    PutContent(folder / name, "à garder");
    return folder / name;
}

INSTANTIATE_TEST_SUITE_P(Destinations, BlockedDestination,
    testing::Values(BlockedCase { "ExistingCsv", "--csv", [](const auto& f) { return Existing(f, "old.csv"); },
                        "Impossible d'enregistrer « old.csv » : le fichier existe déjà." },
        BlockedCase { "ExistingGame", "--enregistrer", [](const auto& f) { return Existing(f, "old.ornal"); },
            "Impossible d'enregistrer « old.ornal » : le fichier existe déjà." },
        BlockedCase { "ExistingPdf", "--pdf", [](const auto& f) { return Existing(f, "old.pdf"); },
            "Impossible d'enregistrer « old.pdf » : le fichier existe déjà." },
        BlockedCase { "LinkToNowhere", "--csv",
            [](const auto& f) {
                std::filesystem::create_symlink(f / "nulle part", f / "lien.csv");
                return f / "lien.csv";
            },
            "Impossible d'enregistrer « lien.csv » : le fichier existe déjà." },
        BlockedCase { "Folder", "--pdf",
            [](const auto& f) {
                std::filesystem::create_directory(f / "dossier.pdf");
                return f / "dossier.pdf";
            },
            "Impossible d'enregistrer « dossier.pdf » : c'est un dossier." },
        BlockedCase { "MissingFolder", "--enregistrer", [](const auto& f) { return f / "absent" / "jeu2.ornal"; },
            "Impossible d'enregistrer « jeu2.ornal » : dossier ou fichier introuvable." },
        BlockedCase { "FileForAFolder", "--csv", [](const auto& f) { return Existing(f, "fichier") / "jeu2.csv"; },
            "Impossible d'enregistrer « jeu2.csv » : un élément du chemin n'est pas un dossier." }),
    [](const auto& info) { return std::string(info.param.name); });

// A folder without write permission is known before the lines are printed, not after.
TEST(Destinations, AFolderThePlayerMayNotWriteRefusesTheCommand)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "lecture");
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    std::filesystem::permissions(folder / "lecture",
        std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec | std::filesystem::perms::group_read
            | std::filesystem::perms::group_exec | std::filesystem::perms::others_read
            | std::filesystem::perms::others_exec);
    // Root writes into any folder: the program then runs as user 65534, who may not.
    const std::string asAnother = ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    const ProgramRun run = RunOrnal({ "--print", "--csv", (folder / "lecture" / "x.csv").string(), kFive }, asAnother);
    if (run.status == 127 || run.err.find("setpriv") != std::string::npos) {
        GTEST_SKIP() << "cannot run the program as another user: " << run.err;
    }
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "ornal : Impossible d'enregistrer « x.csv » : accès refusé.\n");
    EXPECT_EQ(EntriesOf(folder / "lecture"), Texts {});
}

TEST(Destinations, AnExistingWorkbookRefusesTheOtherOutputsToo)
{
    ScratchFolder folder;
    const std::filesystem::path workbook = Existing(folder, "old.xlsx");
    const ProgramRun run = RunOrnal(
        { "--xlsx", workbook.string(), "--enregistrer", (folder / "jeu.ornal").string(), "--jeu", "trio", kFive });
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Le fichier « " + workbook.string() + " » existe déjà : il n'est pas remplacé.\n");
    EXPECT_EQ(EntriesOf(folder.path()), Texts { "old.xlsx" });
}

struct SameFileCase {
    const char* name;
    Texts options; // "@" stands for the scratch folder
    const char* err;
};

class OneFileForTwoOutputs : public testing::TestWithParam<SameFileCase> { };

// Once, the first output wrote the file, and the second refused it as already there.
TEST_P(OneFileForTwoOutputs, IsAMisuseAndWritesNothing)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "vrai");
    std::filesystem::create_directory_symlink(folder / "vrai", folder / "lien");
    Texts arguments;
    for (std::string option : GetParam().options) {
        if (const std::size_t at = option.find('@'); at != std::string::npos) {
            option.replace(at, 1, folder.path().string());
        }
        arguments.push_back(option);
    }
    arguments.push_back(kFive);
    const ProgramRun run = RunOrnal(arguments, "cd " + Quote(folder.path().string()) + " && ");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    std::string err = std::string("ornal : ") + GetParam().err + "\nPour l'aide : ornal --help\n";
    if (const std::size_t at = err.find('@'); at != std::string::npos) {
        err.replace(at, 1, folder.path().string());
    }
    EXPECT_EQ(run.err, err);
    EXPECT_EQ(EntriesOf(folder.path()), (Texts { "lien", "vrai" }));
    EXPECT_EQ(EntriesOf(folder / "vrai"), Texts {});
}

INSTANTIATE_TEST_SUITE_P(Paths, OneFileForTwoOutputs,
    testing::Values(SameFileCase { "SameName", { "--enregistrer", "S", "--csv", "S" },
                        "--enregistrer et --csv nomment le même fichier « S »." },
        SameFileCase { "DotSlash", { "--print", "--csv", "S", "--pdf", "./S" },
            "--csv et --pdf nomment le même fichier « ./S »." },
        SameFileCase { "AbsoluteAndRelative", { "--xlsx", "@/vrai/../S", "--csv", "S" },
            "--xlsx et --csv nomment le même fichier « S »." },
        SameFileCase { "ThroughALinkedFolder", { "--enregistrer", "lien/S", "--pdf", "@/vrai/S" },
            "--enregistrer et --pdf nomment le même fichier « @/vrai/S »." }),
    [](const auto& info) { return std::string(info.param.name); });

// The temporary folder the PDF's game goes through is the system's when TMPDIR names one that is gone.
TEST(Destinations, APdfIsWrittenWhenTmpdirIsMissing)
{
    ScratchFolder folder;
    for (const std::string& tmpdir : { (folder / "parti").string(), Existing(folder, "fichier").string() }) {
        const std::filesystem::path pdf = folder / "g.pdf";
        std::filesystem::remove(pdf);
        const ProgramRun run = RunOrnal({ "--pdf", pdf.string(), kFive }, "TMPDIR=" + Quote(tmpdir) + " ");
        EXPECT_EQ(run.status, 0) << tmpdir << ": " << run.err;
        EXPECT_EQ(run.err, "Combinaisons : 10\n");
        EXPECT_EQ(ContentOf(pdf).substr(0, 5), "%PDF-") << tmpdir;
    }
}

// A line break or an escape in a name would split the message or drive the terminal: it is written as an escape.
TEST(Destinations, ControlCharactersInANameArePrintedAsEscapes)
{
    ScratchFolder folder;
    for (const char* option : { "--csv", "--enregistrer", "--pdf" }) {
        const ProgramRun run = RunOrnal({ option, Existing(folder, "a\nb\x1B[2J").string(), kFive });
        EXPECT_EQ(run.status, 1) << option;
        EXPECT_EQ(run.err, "ornal : Impossible d'enregistrer « a\\nb\\x1B[2J » : le fichier existe déjà.\n") << option;
    }
    const ProgramRun workbook = RunOrnal({ "--xlsx", (folder / "a\nb\x1B[2J").string(), kFive });
    EXPECT_EQ(workbook.status, 1);
    EXPECT_EQ(workbook.err,
        "Le fichier « " + folder.path().string() + "/a\\nb\\x1B[2J » existe déjà : il n'est pas remplacé.\n");
    const ProgramRun opened = RunOrnal({ "--print", Existing(folder, "jeu\n.ornal").string() });
    EXPECT_EQ(opened.status, 1);
    EXPECT_EQ(opened.err, "Impossible d'ouvrir « jeu\\n.ornal » : ce fichier n'est pas un jeu Ornal.\n");
    const ProgramRun twice
        = RunOrnal({ "--csv", "x\ny", "--pdf", "x\ny", kFive }, "cd " + Quote(folder.path().string()) + " && ");
    EXPECT_EQ(twice.status, 2);
    EXPECT_EQ(twice.err, "ornal : --csv et --pdf nomment le même fichier « x\\ny ».\nPour l'aide : ornal --help\n");
}

// A workbook cut short by the file-size limit names its file as given, escapes and all.
TEST(Destinations, AWorkbookCutShortNamesItsFileOnOneLine)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "limite\n.xlsx";
    const ProgramRun run
        = RunOrnal({ "--xlsx", file.string(), "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" },
            "cd " + Quote(folder.path().string()) + " && trap '' XFSZ; ulimit -f 20; exec ");
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string named = "« " + folder.path().string() + "/limite\\n.xlsx » : ";
    EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("limite\n"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(file));
}

} // namespace
} // namespace ornal::testing_support
