#include "document/gamefile.h"
#include "document/gamejson.h"
#include "filetesting.h"
#include "gametesting.h"
#include "testdata.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace ornal {
namespace {

using Names = std::vector<std::string>;

struct GameCase {
    const char* name;
    SavedGame game;
};

std::vector<GameCase> Games()
{
    std::vector<GameCase> games;

    games.push_back({ "Untouched", SavedGame {} });

    SavedGame plain;
    plain.selection = SelectionOf(6, 3);
    plain.selectionText = "-1-2-3-4-5-6";
    plain.list = AllCombinations(6, 3);
    games.push_back({ "WithoutBase", plain });

    SavedGame bases;
    bases.selection = SelectionOf(8, 4);
    bases.selection.baseText = "Base";
    bases.selection.baseCount = 2;
    bases.selection.marks[1] = bases.selection.marks[3] = true;
    bases.selectionText = "-1-2-3-4-5-6-7-8";
    bases.list = MakeList({ "-1-2-3-4-", "-5-2-3-4-", "-8-2-7-4-" });
    games.push_back({ "BasesAtTheirPositions", bases });

    SavedGame filtered;
    filtered.selection = SelectionOf(12, 5);
    filtered.selection.numbers[4] = " 05";
    filtered.selection.results = { "3", "7", "", "11", "" };
    filtered.selectionText = "-1-2-3-4-05-6-7-8-9-10-11-12";
    filtered.list = MakeList({ "-7-3-11-05-2-", "-12-9-3-7-6-", "-3-7-4-10-8-" });
    games.push_back({ "FilteredShuffledWithResults", filtered });

    SavedGame texts;
    texts.selection = SelectionOf(3, 2);
    texts.selection.horseCountText = "  12,5 ";
    texts.selection.betSizeText = " 2 ";
    texts.selection.baseText = "Prix de l'Été « spécial » \"guillemets\" \\ barre";
    texts.selection.numbers[1] = "2 ü";
    texts.selection.numbers[19] = "ü";
    texts.selectionText = "-ü-🐎-";
    texts.list = MakeList({ "-2 ü-3-", "-1-2 ü-" });
    games.push_back({ "TextsWithAccentsQuotesAndSymbols", texts });

    SavedGame everything = filtered;
    everything.bet = SavedBet { "quinte-plus", 200 };
    everything.arrival = SavedArrival { { "13", "2", "7", "9", "1" }, { { "ordre", 123'456'789 }, { "désordre", 0 } } };
    everything.conditions = {
        { "favoris", { "1", "2", "3" }, 1, 2, SavedRange { 6, 40 }, std::nullopt, SavedRange { 0, 3 } },
        { "outsiders", {}, 0, 0, std::nullopt, SavedRange { 1, 1 }, std::nullopt },
    };
    everything.guarantee = SavedGuarantee { 3, 5 };
    everything.view = SavedView { true, true, std::array { 5, 6 }, SavedView::Caption::Count };
    games.push_back({ "EveryOptionalMember", everything });

    // What a version-2 file adds: every stake played, the bounds on a whole line, how the guarantee counts lines.
    SavedGame whole = everything;
    whole.stakes = { { "quinte-plus", 200, std::nullopt }, { "multi", 450, 300 }, { "trio", 0, 1 } };
    whole.conditions.push_back({ "vide", {}, 0, 7, std::nullopt, std::nullopt, std::nullopt });
    whole.lineConditions = SavedLineConditions { { true, 20, 40 }, { false, 0, 7 }, { true, 1, 3 } };
    whole.guarantee = SavedGuarantee { 4, 3, SavedGuarantee::Extent::Budget, 120, 4'550, 30 };
    games.push_back({ "TheWholeGame", whole });

    SavedGame countedLines = plain;
    countedLines.guarantee = SavedGuarantee { 3, 3, SavedGuarantee::Extent::Lines, 1, std::nullopt, std::nullopt };
    countedLines.lineConditions = SavedLineConditions {};
    games.push_back({ "AGuaranteeToANumberOfLines", countedLines });

    SavedGame rapportBase = filtered;
    rapportBase.bet = SavedBet { "multi", 450, 100 };
    games.push_back({ "BetWithTheStakeOfItsRapports", rapportBase });

    SavedGame noPayouts;
    noPayouts.arrival = SavedArrival { { "1", "", "", "", "" }, {} };
    noPayouts.bet = SavedBet { "", 0 };
    noPayouts.view = SavedView { false, true, std::nullopt, SavedView::Caption::ChooseHorseCount };
    games.push_back({ "OptionalMembersAtTheirSmallest", noPayouts });

    SavedGame largest;
    largest.selection = SelectionOf(20, 7);
    largest.list = AllCombinations(20, 7);
    games.push_back({ "LargestList", largest });

    // Every value the window accepts at its largest.
    SavedGame limits = plain;
    limits.bet = SavedBet { "trio", kMaxAmountCents };
    limits.arrival = SavedArrival { { "1", "2", "3", "", "" }, {} };
    for (int i = 0; i < kMaxPayClasses; ++i) {
        limits.arrival->payouts.push_back({ "classe " + std::to_string(i), kMaxRapportCents });
    }
    for (int i = 0; i < kMaxGroupCount; ++i) {
        limits.conditions.push_back({ "g", { "1" }, kMaxLineSize, kMaxLineSize, SavedRange { 0, kMaxConditionSum },
            SavedRange { kMaxLineSize, kMaxLineSize }, SavedRange { 0, kMaxLineSize } });
    }
    limits.guarantee = SavedGuarantee { kMostFinishers, kMostInLine, SavedGuarantee::Extent::Lines,
        kMaxGameReductionLines, kMaxAmountCents, kMaxGameReductionSeconds };
    for (std::size_t i = 0; i < kMaxGameStakes; ++i) {
        limits.stakes.push_back({ "type " + std::to_string(i), kMaxAmountCents, kMaxAmountCents });
    }
    limits.lineConditions = SavedLineConditions { { true, kMaxConditionSum, kMaxConditionSum },
        { true, kMaxLineSize, kMaxLineSize }, { false, 0, kMaxLineSize } };
    games.push_back({ "AtTheWindowsLimits", limits });
    return games;
}

class GameRoundTrip : public testing::TestWithParam<GameCase> { };

TEST_P(GameRoundTrip, OpensAsItWasSaved)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    const WriteOutcome saved = SaveGame(file, GetParam().game);
    ASSERT_TRUE(saved.ok()) << saved.refusalText();
    const GameLoadOutcome loaded = LoadGame(file);
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    EXPECT_TRUE(*loaded == GetParam().game);
    EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
}

INSTANTIATE_TEST_SUITE_P(
    Games, GameRoundTrip, testing::ValuesIn(Games()), [](const auto& info) { return std::string(info.param.name); });

TEST(GameFile, TheLargestListHasAllItsLines)
{
    // C(20, 7) = 77,520 (Pascal's triangle): the generator feeding the round trip really makes the largest list.
    const CombinationList list = AllCombinations(20, 7);
    EXPECT_EQ(list.size(), 77520u);
    EXPECT_EQ(list.line(0), "-1-2-3-4-5-6-7-");
    EXPECT_EQ(list.line(77519), "-14-15-16-17-18-19-20-");
}

TEST(GameFile, AFileWrittenBeforeTheOptionalMembersOpens)
{
    // Written by hand as the first version of the format has it, without any of the later members.
    const GameLoadOutcome loaded = LoadGame(Version1Game());
    ASSERT_TRUE(loaded.ok()) << loaded.refusalText();
    const SavedGame& game = *loaded;
    EXPECT_EQ(game.selection.horseCountText, "5");
    EXPECT_EQ(game.selection.betSizeText, "2");
    EXPECT_EQ(game.selection.baseText, "1");
    EXPECT_EQ(game.selection.baseCount, 1);
    EXPECT_EQ(game.selection.numbers[2], "12");
    EXPECT_EQ(game.selection.numbers[5], "");
    EXPECT_TRUE(game.selection.numbersShown[4]);
    EXPECT_FALSE(game.selection.numbersShown[5]);
    EXPECT_TRUE(game.selection.marks[1]);
    EXPECT_FALSE(game.selection.marks[0]);
    EXPECT_TRUE(game.selection.marksShown[1]);
    EXPECT_FALSE(game.selection.marksShown[2]);
    EXPECT_EQ(game.selection.results[0], "9");
    EXPECT_TRUE(game.selection.resultsShown[1]);
    EXPECT_FALSE(game.selection.resultsShown[2]);
    EXPECT_EQ(game.selectionText, "-4-9-12-1-7");
    EXPECT_EQ(game.list, MakeList({ "-4-9-", "-12-9-", "-1-9-", "-7-9-" }));
    EXPECT_FALSE(game.bet.has_value());
    EXPECT_FALSE(game.arrival.has_value());
    EXPECT_TRUE(game.conditions.empty());
    EXPECT_FALSE(game.guarantee.has_value());
    EXPECT_FALSE(game.view.has_value());
}

TEST(GameFile, SavingAgainKeepsOrReplacesThePreviousFileAsAsked)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    SavedGame first;
    first.selectionText = "-1-2";
    SavedGame second;
    second.selectionText = "-3-4";
    ASSERT_TRUE(SaveGame(file, first).ok());

    const WriteOutcome kept = SaveGame(file, second);
    EXPECT_EQ(kept.refusalText(), "Impossible d'enregistrer « jeu.ornal » : le fichier existe déjà.");
    EXPECT_EQ(LoadGame(file)->selectionText, "-1-2");

    ASSERT_TRUE(SaveGame(file, second, ExistingFile::Replace).ok());
    EXPECT_EQ(LoadGame(file)->selectionText, "-3-4");
    EXPECT_EQ(EntriesOf(folder.path()), Names { "jeu.ornal" });
}

TEST(GameFile, AGameThatWouldNotOpenAgainIsNotSaved)
{
    ScratchFolder folder;
    SavedGame game;
    game.list = MakeList({ "-1-2-", "-3-4-", "-5--" });
    EXPECT_EQ(SaveGame(folder / "jeu.ornal", game).refusalText(),
        "Impossible d'enregistrer « jeu.ornal » : la ligne 3 n'est pas une combinaison.");
    game.list = MakeList({ "-1-2-" });
    game.selection.baseCount = 0;
    EXPECT_EQ(SaveGame(folder / "jeu.ornal", game).refusalText(),
        "Impossible d'enregistrer « jeu.ornal » : « selection.nombreBases » doit valoir -1, 1, 2 ou 3.");
    game.selection.baseCount = -1;
    EXPECT_EQ(SaveGame(folder / "jeu.ornal", game).refusalText(),
        "Impossible d'enregistrer « jeu.ornal » : « selection.jeu » ne donne pas le nombre de numéros des lignes.");
    game.selection = SelectionOf(4, 2);
    game.list = MakeList({ "-1-2-", "-1-5-" });
    EXPECT_EQ(SaveGame(folder / "jeu.ornal", game).refusalText(),
        "Impossible d'enregistrer « jeu.ornal » : la ligne 2 contient « 5 », qui n'est pas un numéro de la "
        "sélection.");
    game.selection.numbers[3] = "\xC3";
    EXPECT_EQ(SaveGame(folder / "jeu.ornal", game).refusalText(),
        "Impossible d'enregistrer « jeu.ornal » : « selection.numeros (élément 4) » n'est pas un texte UTF-8 "
        "valide.");
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

// The command line hands the window a game under a temporary name to print a PDF: its refusal names the PDF.
TEST(GameFile, ARefusalIsWordedByTheCallersWording)
{
    ScratchFolder folder;
    SavedGame game;
    game.list = MakeList({ "-1-2-", "-3-4-", "-5--" });
    const auto namingThePdf = [](std::string_view reason) { return CannotSaveSentence("jeu.pdf", reason); };
    const WriteOutcome refused = SaveGame(folder / "jeu.ornal", game, ExistingFile::Keep, namingThePdf);
    EXPECT_EQ(refused.refusalText(), "Impossible d'enregistrer « jeu.pdf » : la ligne 3 n'est pas une combinaison.");
    EXPECT_EQ(refused.refusal().systemError, 0);
    EXPECT_EQ(EntriesOf(folder.path()), Names {});
}

TEST(GameFile, ANameWithAccentsAndSpacesIsKeptAndNamed)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "Quinté du 14 juillet – Prix d'Été.ornal";
    SavedGame game;
    game.selection = SelectionOf(8, 2);
    game.list = MakeList({ "-3-8-" });
    ASSERT_TRUE(SaveGame(file, game).ok());
    EXPECT_EQ(EntriesOf(folder.path()), Names { "Quinté du 14 juillet – Prix d'Été.ornal" });
    EXPECT_TRUE(LoadGame(file).ok());
    PutContent(folder / "Liste sans fin été.ornal", "{");
    EXPECT_EQ(LoadGame(folder / "Liste sans fin été.ornal").refusalText(),
        "Impossible d'ouvrir « Liste sans fin été.ornal » : le fichier est incomplet, coupé avant la fin.");
}

// A game valid in every other way, written without the checks that a save makes.
std::string LinesFile(std::size_t count)
{
    SavedGame game;
    game.selection = SelectionOf(20, 7);
    for (std::size_t i = 0; i < count; ++i) {
        game.list.append("-1-2-");
    }
    return GameToJson(game);
}

struct BadFile {
    const char* name;
    std::string content;
    const char* reason;
    std::size_t lines = 0; // when set, the content is a game of that many lines, made when the case runs
};

class BadGameFile : public testing::TestWithParam<BadFile> { };

TEST_P(BadGameFile, IsRefusedWithItsReason)
{
    ScratchFolder folder;
    PutContent(folder / "jeu.ornal", GetParam().lines > 0 ? LinesFile(GetParam().lines) : GetParam().content);
    const GameLoadOutcome loaded = LoadGame(folder / "jeu.ornal");
    EXPECT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.refusalText(), std::string("Impossible d'ouvrir « jeu.ornal » : ") + GetParam().reason + ".");
}

std::string Binary()
{
    std::string bytes = "\x89PNG\r\n\x1A\n";
    for (int i = 0; i < 4096; ++i) {
        bytes += static_cast<char>((i * 73 + 11) & 0xFF);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, BadGameFile,
    testing::Values(BadFile { "Empty", "", "le fichier est vide" },
        BadFile { "OnlyBlanks", " \n\t\r\n", "le fichier est vide" },
        BadFile { "Truncated", R"({"format": "ornal-jeu", "version": 1, "selection": {"nombreChevaux": "1)",
            "le fichier est incomplet, coupé avant la fin" },
        BadFile { "BrokenSyntax", "{\"format\": \"ornal-jeu\",\n\"version\": 1,\n\"selection\" {}}",
            "le fichier est abîmé (erreur de syntaxe à la ligne 3)" },
        BadFile { "AnotherProgramsJson", R"({"name": "tableur", "version": "2.4.1", "format": "xlsx"})",
            "ce fichier n'est pas un jeu Ornal" },
        BadFile { "AJsonArray", "[1, 2, 3]", "ce fichier n'est pas un jeu Ornal" },
        BadFile { "PlainText", "-1-2-3-\n-1-2-4-\n", "ce fichier n'est pas un jeu Ornal" },
        BadFile { "Binary", Binary(), "ce fichier n'est pas un jeu Ornal" },
        BadFile { "InvalidUtf8", "{\"format\": \"ornal-jeu\", \"version\": 1, \"texteSelection\": \"\xE9t\xE9\"}",
            "le texte du fichier n'est pas en UTF-8 valide" },
        BadFile { "DeeplyNested", "{\"format\":" + std::string(100000, '[') + std::string(100000, ']') + "}",
            "ce fichier n'est pas un jeu Ornal" },
        BadFile { "FromTheFuture", R"({"format": "ornal-jeu", "version": 3, "partie": {"autre": "forme"}})",
            "ce jeu a été enregistré par une version plus récente d'Ornal" },
        BadFile { "FromTheFarFuture", R"({"format": "ornal-jeu", "version": 18446744073709551615})",
            "ce jeu a été enregistré par une version plus récente d'Ornal" },
        BadFile { "VersionZero", R"({"format": "ornal-jeu", "version": 0})", "« version » manque ou n'est pas valide" },
        BadFile {
            "VersionAsText", R"({"format": "ornal-jeu", "version": "1"})", "« version » manque ou n'est pas valide" },
        BadFile { "EightyThousandLines", "", "la liste compte plus de 77 520 lignes", 80000 },
        BadFile { "OneLineTooMany", "", "la liste compte plus de 77 520 lignes", 77521 }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GameFile, AHugeFileIsRefusedWithoutReadingIt)
{
    ScratchFolder folder;
    const int descriptor = ::open((folder / "jeu.ornal").c_str(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(descriptor, 0);
    ASSERT_EQ(::ftruncate(descriptor, 100LL * 1024 * 1024), 0);
    ::close(descriptor);
    EXPECT_EQ(
        LoadGame(folder / "jeu.ornal").refusalText(), "Impossible d'ouvrir « jeu.ornal » : le fichier dépasse 16 Mo.");
}

TEST(GameFile, WhatIsNotAnOrdinaryFileIsRefusedWithoutWaiting)
{
    ScratchFolder folder;
    std::filesystem::create_directory(folder / "dossier.ornal");
    ASSERT_EQ(::mkfifo((folder / "tube.ornal").c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zéro.ornal");
    EXPECT_EQ(
        LoadGame(folder / "dossier.ornal").refusalText(), "Impossible d'ouvrir « dossier.ornal » : c'est un dossier.");
    EXPECT_EQ(LoadGame(folder / "tube.ornal").refusalText(),
        "Impossible d'ouvrir « tube.ornal » : ce n'est pas un fichier ordinaire.");
    EXPECT_EQ(LoadGame(folder / "zéro.ornal").refusalText(),
        "Impossible d'ouvrir « zéro.ornal » : ce n'est pas un fichier ordinaire.");
    EXPECT_EQ(LoadGame(folder / "absent.ornal").refusalText(),
        "Impossible d'ouvrir « absent.ornal » : dossier ou fichier introuvable.");
}

TEST(GameFile, AFileThePlayerMayNotReadIsRefused)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "jeu.ornal";
    ASSERT_TRUE(SaveGame(file, SavedGame {}).ok());
    std::filesystem::permissions(file, std::filesystem::perms::owner_write);
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    const std::optional<int> result = RunAsUnprivilegedChild(
        [&] { return LoadGame(file).refusalText() == "Impossible d'ouvrir « jeu.ornal » : accès refusé." ? 0 : 1; });
    if (!result) {
        GTEST_SKIP() << "running as root and unable to become user 65534: root reads any file";
    }
    EXPECT_EQ(*result, 0);
}

TEST(GameFile, TheArgumentsNameAGameWhenTheyEndInItsExtension)
{
    ScratchFolder folder;
    PutContent(folder / "Mon jeu.ornal", "{}");
    PutContent(folder / "|8|3|1.ornal", "{}");
    const std::string in = folder.path().string() + "/";
    using Arguments = std::vector<std::string>;
    EXPECT_EQ(GameFileNamed(Arguments { in + "Mon jeu.ornal" }), folder / "Mon jeu.ornal");
    // A file manager hands the name whole; a shell without quotes splits it, and the join puts it together.
    EXPECT_EQ(GameFileNamed(Arguments { in + "Mon", "jeu.ornal" }), folder / "Mon jeu.ornal");
    // A missing game is still a game's name, so that opening it says it is missing.
    EXPECT_EQ(GameFileNamed(Arguments { in + "absent.ORNAL" }), folder / "absent.ORNAL");
    EXPECT_EQ(GameFileNamed(Arguments { in + "|8|3|1.ornal" }), folder / "|8|3|1.ornal");
    EXPECT_EQ(GameFileNamed(Arguments { "|8|3|1.ornal" }), std::nullopt);
    EXPECT_EQ(GameFileNamed(Arguments { "|8|3|1|2|3|4|5|6|7|8" }), std::nullopt);
    EXPECT_EQ(GameFileNamed(Arguments { in + "jeu.ornal.txt" }), std::nullopt);
    // A name that is the extension alone is still a game's name, never a prediction.
    EXPECT_EQ(GameFileNamed(Arguments { ".ornal" }), std::filesystem::path(".ornal"));
    EXPECT_EQ(GameFileNamed(Arguments {}), std::nullopt);
    EXPECT_EQ(GameFileNamed(Arguments { "" }), std::nullopt);
}

// Whatever its name, a file that is there is read as a game, so that its content decides what it is.
TEST(GameFile, AnExistingFileNamesAGameWhateverItsName)
{
    ScratchFolder folder;
    const std::string in = folder.path().string() + "/";
    using Arguments = std::vector<std::string>;
    for (const char* name : { "course2", "jeu.ornal.txt", "|8|3|1|2|3|4|5|6|7|8", "liste.csv" }) {
        EXPECT_EQ(GameFileNamed(Arguments { in + name }), std::nullopt) << name << " is not there yet";
        PutContent(folder / name, "{}");
        EXPECT_EQ(GameFileNamed(Arguments { in + name }), folder / name) << name;
    }
    std::filesystem::create_directory(folder / "dossier");
    EXPECT_EQ(GameFileNamed(Arguments { in + "dossier" }), folder / "dossier");
    std::filesystem::create_symlink(folder / "nulle part", folder / "lien");
    EXPECT_EQ(GameFileNamed(Arguments { in + "lien" }), folder / "lien");
}

} // namespace
} // namespace ornal
