#include "files/atomicwriter.h"
#include "files/filereader.h"
#include "filetesting.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace ornal {
namespace {

using Names = std::vector<std::string>;

std::string Pattern(std::size_t size)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>((i * 31 + i / 251) & 0xFF);
    }
    return bytes;
}

mode_t ModeOf(const std::filesystem::path& file)
{
    struct stat status { };
    EXPECT_EQ(::stat(file.c_str(), &status), 0);
    return status.st_mode & 07777;
}

class UmaskSetting {
public:
    explicit UmaskSetting(mode_t mask)
        : m_previous(::umask(mask))
    {
    }
    ~UmaskSetting() { ::umask(m_previous); }

private:
    mode_t m_previous;
};

TEST(AtomicWriter, WritesEveryByteUnderTheFinalNameAndNothingElse)
{
    ScratchFolder folder;
    const std::string bytes = Pattern(300 * 1024);
    const WriteOutcome outcome = WriteFileAtomically(folder / "jeu.ornal", bytes);
    ASSERT_TRUE(outcome.ok()) << outcome.refusalText();
    EXPECT_EQ(outcome.refusalText(), "");
    EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
    const ReadOutcome read = ReadFileLimited(folder / "jeu.ornal", bytes.size());
    ASSERT_TRUE(read.ok()) << read.refusalText();
    EXPECT_TRUE(read.value() == bytes);
}

TEST(AtomicWriter, AnExistingFileIsNeverReplaced)
{
    ScratchFolder folder;
    PutContent(folder / "liste.csv", "ancien");
    const WriteOutcome outcome = WriteFileAtomically(folder / "liste.csv", "nouveau");
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « liste.csv » : le fichier existe déjà.");
    EXPECT_EQ(outcome.refusal().systemError, EEXIST);
    EXPECT_EQ(ContentOf(folder / "liste.csv"), "ancien");
    EXPECT_EQ(EntriesOf(folder.path()), Names { "liste.csv" });
}

// A caller that names the file otherwise words the refusal itself; the cause stays the system's.
TEST(AtomicWriter, ARefusalIsWordedByTheCallersWording)
{
    ScratchFolder folder;
    PutContent(folder / "jeu.ornal", "ancien");
    AtomicWriteOptions options;
    options.wording
        = [](std::string_view reason) { return "Le jeu n'a pas pu être gardé : " + std::string(reason) + "."; };
    const WriteOutcome outcome = WriteFileAtomically(folder / "jeu.ornal", "nouveau", options);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.refusalText(), "Le jeu n'a pas pu être gardé : le fichier existe déjà.");
    EXPECT_EQ(outcome.refusal().systemError, EEXIST);
    EXPECT_EQ(ContentOf(folder / "jeu.ornal"), "ancien");
}

TEST(AtomicWriter, ANameTakenWhileWritingIsNotReplacedEither)
{
    // The name appears between the first look and the rename: only the rename itself can refuse it.
    ScratchFolder folder;
    const std::filesystem::path file = folder / "export.xlsx";
    AtomicWriteOptions options;
    options.check = [&](const std::string&) -> FileStep {
        PutContent(file, "arrivé entre-temps");
        return std::nullopt;
    };
    const WriteOutcome outcome = WriteFileAtomically(file, "le nôtre", options);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « export.xlsx » : le fichier existe déjà.");
    EXPECT_EQ(ContentOf(file), "arrivé entre-temps");
    EXPECT_EQ(EntriesOf(folder.path()), Names { "export.xlsx" });
}

TEST(AtomicWriter, ADanglingSymbolicLinkCountsAsATakenName)
{
    ScratchFolder folder;
    std::filesystem::create_symlink(folder / "ailleurs", folder / "jeu.ornal");
    EXPECT_FALSE(WriteFileAtomically(folder / "jeu.ornal", "x").ok());
    EXPECT_TRUE(std::filesystem::is_symlink(folder / "jeu.ornal"));
    EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
}

TEST(AtomicWriter, ReplaceTakesThePlaceOfThePreviousFile)
{
    ScratchFolder folder;
    PutContent(folder / "jeu.ornal", "ancienne version, plus longue que la nouvelle");
    AtomicWriteOptions options;
    options.existing = ExistingFile::Replace;
    const WriteOutcome outcome = WriteFileAtomically(folder / "jeu.ornal", "nouvelle", options);
    ASSERT_TRUE(outcome.ok()) << outcome.refusalText();
    EXPECT_EQ(ContentOf(folder / "jeu.ornal"), "nouvelle");
    EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
}

TEST(AtomicWriter, AFolderUnderTheNameIsRefusedInBothModes)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "jeu.ornal");
    for (ExistingFile existing : { ExistingFile::Keep, ExistingFile::Replace }) {
        AtomicWriteOptions options;
        options.existing = existing;
        const WriteOutcome outcome = WriteFileAtomically(folder / "jeu.ornal", "x", options);
        EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « jeu.ornal » : c'est un dossier.");
        EXPECT_TRUE(std::filesystem::is_directory(folder / "jeu.ornal"));
        EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
    }
}

struct UmaskCase {
    mode_t umask;
    mode_t mode; // 0666 & ~umask, worked out by hand
};

class AtomicWriterUmask : public testing::TestWithParam<UmaskCase> { };

TEST_P(AtomicWriterUmask, TheFileGetsTheModeOfANewFile)
{
    ScratchFolder folder;
    const UmaskSetting mask(GetParam().umask);
    const WriteOutcome outcome = WriteFileAtomically(folder / "jeu.ornal", "contenu");
    ASSERT_TRUE(outcome.ok()) << outcome.refusalText();
    EXPECT_EQ(ModeOf(folder / "jeu.ornal"), GetParam().mode);
    EXPECT_EQ(ContentOf(folder / "jeu.ornal"), "contenu");
}

INSTANTIATE_TEST_SUITE_P(Masks, AtomicWriterUmask,
    testing::Values(UmaskCase { 0022, 0644 }, UmaskCase { 0222, 0444 }, UmaskCase { 0077, 0600 },
        UmaskCase { 0027, 0640 }, UmaskCase { 0000, 0666 }));

TEST(AtomicWriter, ALibraryWritingByNameSucceedsUnderAReadOnlyUmask)
{
    // Run as an ordinary user: root would open a read-only placeholder all the same and hide the fault.
    ScratchFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    const std::filesystem::path file = folder / "classeur.xlsx";
    const std::optional<int> result = RunAsUnprivilegedChild([&] {
        ::umask(0222);
        const WriteOutcome outcome = WriteFileByName(file, [](const std::string& path) -> FileStep {
            std::FILE* out = std::fopen(path.c_str(), "wb");
            if (out == nullptr) {
                return FileProblem::FromErrno(errno);
            }
            std::fputs("écrit par la bibliothèque", out);
            return std::fclose(out) == 0 ? FileStep() : FileProblem::FromErrno(errno);
        });
        if (!outcome.ok()) {
            std::fprintf(stderr, "%s\n", outcome.refusalText().c_str());
            return 1;
        }
        return 0;
    });
    ASSERT_TRUE(result.has_value()) << "the child could not run as an ordinary user";
    ASSERT_EQ(*result, 0);
    EXPECT_EQ(ContentOf(file), "écrit par la bibliothèque");
    EXPECT_EQ(ModeOf(file), 0444);
    EXPECT_EQ(EntriesOf(folder.path()), Names { "classeur.xlsx" });
}

TEST(AtomicWriter, TheCheckSeesTheWholeFileAndItsRefusalLeavesNothing)
{
    ScratchFolder folder;
    const std::string bytes = Pattern(70 * 1024);
    std::string seen;
    AtomicWriteOptions options;
    options.check = [&](const std::string& temporaryPath) -> FileStep {
        seen = ContentOf(temporaryPath);
        return FileProblem { "le classeur relu est incomplet", 0 };
    };
    const WriteOutcome outcome = WriteFileAtomically(folder / "export.xlsx", bytes, options);
    EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « export.xlsx » : le classeur relu est incomplet.");
    EXPECT_TRUE(seen == bytes);
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

TEST(AtomicWriter, AFailingWriteLeavesNothing)
{
    ScratchFolder folder;
    const WriteOutcome outcome = WriteFileThroughDescriptor(folder / "liste.csv", [](int descriptor) -> FileStep {
        if (FileStep problem = WriteAll(descriptor, "-1-2-3-\n")) {
            return problem;
        }
        return FileProblem::FromErrno(ENOSPC);
    });
    EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « liste.csv » : plus de place sur le disque.");
    EXPECT_EQ(outcome.refusal().systemError, ENOSPC);
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

TEST(AtomicWriter, ADeviceThatFillsUpLeavesNothing)
{
    // The file-size limit makes write() itself fail part way, as a full disk does.
    ScratchFolder folder;
    const std::filesystem::path file = folder / "gros.ornal";
    const pid_t child = ::fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit { 16 * 1024, 16 * 1024 };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const WriteOutcome outcome = WriteFileAtomically(file, Pattern(200 * 1024));
        const bool expected = !outcome.ok() && outcome.refusal().systemError == EFBIG
            && outcome.refusalText() == "Impossible d'enregistrer « gros.ornal » : fichier trop volumineux.";
        ::_exit(expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

TEST(AtomicWriter, AMissingFolderIsNamed)
{
    ScratchFolder folder;
    const WriteOutcome outcome = WriteFileAtomically(folder / "absent" / "jeu.ornal", "x");
    EXPECT_EQ(outcome.refusalText(), "Impossible d'enregistrer « jeu.ornal » : dossier ou fichier introuvable.");
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

TEST(AtomicWriter, ANameOfTheLongestLengthStillGetsATemporary)
{
    // 255 bytes, the longest name Linux filesystems take; "é" is two bytes, so the temporary's cut must fall between
    // characters.
    ScratchFolder folder;
    std::string name;
    while (name.size() + 2 + 6 <= 255) {
        name += "é";
    }
    name += ".ornal";
    while (name.size() < 255) {
        name.insert(0, "a");
    }
    ASSERT_EQ(name.size(), 255u);
    const WriteOutcome outcome = WriteFileAtomically(folder / name, "contenu");
    ASSERT_TRUE(outcome.ok()) << outcome.refusalText();
    EXPECT_EQ(ContentOf(folder / name), "contenu");
    EXPECT_EQ(EntriesOf(folder.path()), Names { name });
}

TEST(TemporaryName, HiddenDerivedFromTheNameWithItsExtensionLast)
{
    EXPECT_EQ(TemporaryNameFor("jeu.ornal", "Ab12Cd"), ".jeu.Ab12Cd.ornal");
    EXPECT_EQ(TemporaryNameFor("Liste du jour", "Ab12Cd"), ".Liste du jour.Ab12Cd");
    EXPECT_EQ(TemporaryNameFor(".profil", "Ab12Cd"), "..profil.Ab12Cd");
    // 250 two-byte characters: 2 + 6 + 6 bytes are fixed, leaving 241 bytes, so 120 whole characters (240 bytes).
    std::string accents;
    for (int i = 0; i < 250; ++i) {
        accents += "é";
    }
    std::string expected = ".";
    for (int i = 0; i < 120; ++i) {
        expected += "é";
    }
    expected += ".Ab12Cd.ornal";
    EXPECT_EQ(TemporaryNameFor(accents + ".ornal", "Ab12Cd"), expected);
}

TEST(MoveIntoPlaceByLink, GivesTheNameOnlyWhenItIsFree)
{
    ScratchFolder folder;
    PutContent(folder / ".a.tmp", "nouveau");
    PutContent(folder / "pris", "ancien");
    const int descriptor = ::open(folder.path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(descriptor, 0);
    EXPECT_EQ(MoveIntoPlaceByLink(descriptor, ".a.tmp", "pris"), EEXIST);
    EXPECT_EQ(ContentOf(folder / "pris"), "ancien");
    EXPECT_EQ(MoveIntoPlaceByLink(descriptor, ".a.tmp", "libre"), 0);
    ::close(descriptor);
    EXPECT_EQ(ContentOf(folder / "libre"), "nouveau");
    EXPECT_EQ(EntriesOf(folder.path()), (Names { "libre", "pris" }));
}

} // namespace
} // namespace ornal
