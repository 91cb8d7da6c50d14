#include "files/filereader.h"
#include "filetesting.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ornal {
namespace {

TEST(ReadFileLimited, ReadsAFileUpToTheLimitExactly)
{
    ScratchFolder folder;
    PutContent(folder / "a", std::string(1024, 'x'));
    const ReadOutcome read = ReadFileLimited(folder / "a", 1024);
    ASSERT_TRUE(read.ok()) << read.refusalText();
    EXPECT_EQ(read.value(), std::string(1024, 'x'));

    PutContent(folder / "vide", "");
    const ReadOutcome empty = ReadFileLimited(folder / "vide", 1024);
    EXPECT_TRUE(empty.ok());
    EXPECT_EQ(empty.value(), "");
}

TEST(ReadFileLimited, RefusesAFileOneBytePastTheLimit)
{
    ScratchFolder folder;
    PutContent(folder / "gros.ornal", std::string(1025, 'x'));
    const ReadOutcome read = ReadFileLimited(folder / "gros.ornal", 1024);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.refusalText(), "Impossible d'ouvrir « gros.ornal » : le fichier dépasse 1 ko.");
    EXPECT_EQ(read.refusal().systemError, EFBIG);
}

TEST(ReadFileLimited, RefusesAHugeSparseFileWithoutReadingIt)
{
    ScratchFolder folder;
    const int descriptor = ::open((folder / "énorme.ornal").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::ftruncate(descriptor, 100LL * 1024 * 1024), 0);
    ::close(descriptor);
    EXPECT_EQ(ReadFileLimited(folder / "énorme.ornal", 16 * 1024 * 1024).refusalText(),
        "Impossible d'ouvrir « énorme.ornal » : le fichier dépasse 16 Mo.");
}

TEST(ReadFileLimited, StopsReadingAFileLongerThanItsSizeSays)
{
    // Files under /proc report a size of 0 and hold more: only the reading itself can hold them to the limit.
    const ReadOutcome read = ReadFileLimited("/proc/self/maps", 16);
    EXPECT_EQ(read.refusalText(), "Impossible d'ouvrir « maps » : le fichier dépasse 16 octets.");
}

TEST(ReadFileLimited, RefusesWhatIsNotAnOrdinaryFile)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "dossier");
    ASSERT_EQ(::mkfifo((folder / "tube").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zéro.ornal");

    EXPECT_EQ(
        ReadFileLimited(folder / "dossier", 1024).refusalText(), "Impossible d'ouvrir « dossier » : c'est un dossier.");
    // A pipe without a writer would block a plain open() for ever.
    EXPECT_EQ(ReadFileLimited(folder / "tube", 1024).refusalText(),
        "Impossible d'ouvrir « tube » : ce n'est pas un fichier ordinaire.");
    EXPECT_EQ(ReadFileLimited(folder / "zéro.ornal", 1024).refusalText(),
        "Impossible d'ouvrir « zéro.ornal » : ce n'est pas un fichier ordinaire.");
    EXPECT_EQ(ReadFileLimited(folder / "absent.ornal", 1024).refusalText(),
        "Impossible d'ouvrir « absent.ornal » : dossier ou fichier introuvable.");
    // The process's memory seen as a file: its first page is never mapped, and the error is no disk's.
    std::filesystem::create_symlink("/proc/self/mem", folder / "mémoire.ornal");
    EXPECT_EQ(ReadFileLimited(folder / "mémoire.ornal", 1024).refusalText(),
        "Impossible d'ouvrir « mémoire.ornal » : ce n'est pas un fichier ordinaire.");
}

TEST(ReadFileLimited, RefusesAFileItMayNotRead)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "secret.ornal";
    PutContent(file, "{}");
    std::filesystem::permissions(file, std::filesystem::perms::none);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    const std::optional<int> result = RunAsUnprivilegedChild([&] {
        const ReadOutcome read = ReadFileLimited(file, 1024);
        return read.refusalText() == "Impossible d'ouvrir « secret.ornal » : accès refusé." ? 0 : 1;
    });
    if (!result) {
        GTEST_SKIP() << "running as root and unable to become user 65534: root reads any file";
    }
    EXPECT_EQ(*result, 0);
}

} // namespace
} // namespace ornal
