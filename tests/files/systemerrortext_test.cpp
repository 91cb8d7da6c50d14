#include "files/fileproblem.h"
#include "files/filereader.h"
#include "files/systemerrortext.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace ornal {
namespace {

struct ErrorCase {
    int errorNumber;
    const char* text;
};

class SystemErrorTextTest : public testing::TestWithParam<ErrorCase> { };

TEST_P(SystemErrorTextTest, SaysWhatWentWrongInFrench)
{
    EXPECT_EQ(SystemErrorText(GetParam().errorNumber), GetParam().text);
}

// The wording chosen for each error the player is likely to meet while saving or opening a file.
INSTANTIATE_TEST_SUITE_P(Table, SystemErrorTextTest,
    testing::Values(ErrorCase { ENOSPC, "plus de place sur le disque" }, ErrorCase { EACCES, "accès refusé" },
        ErrorCase { EPERM, "accès refusé" }, ErrorCase { ENOENT, "dossier ou fichier introuvable" },
        ErrorCase { EISDIR, "c'est un dossier" }, ErrorCase { ENAMETOOLONG, "nom de fichier trop long" },
        ErrorCase { EROFS, "système de fichiers en lecture seule" }, ErrorCase { EDQUOT, "quota de disque dépassé" },
        ErrorCase { EEXIST, "le fichier existe déjà" },
        ErrorCase { ENOTDIR, "un élément du chemin n'est pas un dossier" },
        ErrorCase { EIO, "erreur d'entrée-sortie sur le disque" }, ErrorCase { EMFILE, "trop de fichiers ouverts" },
        ErrorCase { ENFILE, "trop de fichiers ouverts" }, ErrorCase { EBADF, "la sortie est fermée" },
        ErrorCase { ENOEXEC, "le fichier n'est pas un programme que cette machine sait lancer" },
        ErrorCase { 42, "erreur système n° 42" }, ErrorCase { 0, "erreur système n° 0" },
        ErrorCase { -7, "erreur système n° -7" }));

TEST(FileSentence, NamesTheFileByItsLastComponent)
{
    EXPECT_EQ(CannotSaveSentence("/tmp/mes jeux/Prix d'Été.ornal", "plus de place sur le disque"),
        "Impossible d'enregistrer « Prix d'Été.ornal » : plus de place sur le disque.");
    EXPECT_EQ(
        CannotOpenSentence("jeu.ornal", "c'est un dossier"), "Impossible d'ouvrir « jeu.ornal » : c'est un dossier.");
    EXPECT_EQ(DisplayName("/tmp/dossier/"), "dossier");
    EXPECT_EQ(DisplayName("/"), "/");
}

TEST(SizeText, CountsInTheUnitThatDividesExactly)
{
    EXPECT_EQ(SizeText(16 * 1024 * 1024), "16 Mo");
    EXPECT_EQ(SizeText(64 * 1024), "64 ko");
    EXPECT_EQ(SizeText(1500), "1 500 octets");
    EXPECT_EQ(SizeText(1), "1 octet");
    EXPECT_EQ(SizeText(0), "0 octet");
    EXPECT_EQ(SizeText(1024 * 1024 + 1), "1 048 577 octets");
}

} // namespace
} // namespace ornal
