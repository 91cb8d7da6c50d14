#pragma once

// One table of files that hold no game the program can open, run through one body for every front end. A front end
// is a GoogleTest fixture with:
//   BadFileAnswer openBadFile(const BadFileCase& c);   c's file made in a folder of its own, then opened
//   static std::string said(const std::string& text); a text of the program as that front end delivers it

#include "document/gamejson.h"
#include "filetesting.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ornal {

struct BadFileCase {
    const char* name;
    const char* file;
    std::function<void(const std::filesystem::path&)> make;
    const char* reason; // what the refusal says of the file
};

struct BadFileAnswer {
    bool refused = false; // refused as a failure, and nothing else said or given out
    std::string said; // the refusal, as the front end delivers it
    std::vector<std::string> before; // what the front end holds before the file is opened, and after
    std::vector<std::string> after;
};

// A game of count lines "-1-2-", as the program writes it.
inline std::string GameOfLines(std::size_t count)
{
    SavedGame game;
    for (std::size_t i = 0; i < count; ++i) {
        game.list.append("-1-2-");
    }
    return GameToJson(game);
}

// text with its first from replaced by to (from must be in it).
inline std::string Spoilt(std::string text, const std::string& from, const std::string& to, bool last = false)
{
    const std::size_t at = last ? text.rfind(from) : text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

inline std::vector<BadFileCase> BadFileCases()
{
    using Path = std::filesystem::path;
    return {
        { "Empty", "vide.ornal", [](const Path& f) { PutContent(f, ""); }, "le fichier est vide" },
        { "TruncatedInTheSelection", "coupé.ornal", [](const Path& f) { PutContent(f, GameOfLines(3).substr(0, 200)); },
            "le fichier est incomplet, coupé avant la fin" },
        { "TruncatedSooner", "tronqué.ornal", [](const Path& f) { PutContent(f, GameOfLines(2).substr(0, 120)); },
            "le fichier est incomplet, coupé avant la fin" },
        { "AnotherProgramsFormat", "autre.ornal",
            [](const Path& f) { PutContent(f, R"({"name": "tableur", "format": "xlsx"})"); },
            "ce fichier n'est pas un jeu Ornal" },
        { "AnotherProgramsCells", "cellules.ornal", [](const Path& f) { PutContent(f, R"({"cells": [[1, 2]]})"); },
            "ce fichier n'est pas un jeu Ornal" },
        { "FromTheNextVersion", "suivant.ornal",
            [](const Path& f) { PutContent(f, R"({"format": "ornal-jeu", "version": 3})"); },
            "ce jeu a été enregistré par une version plus récente d'Ornal" },
        { "FromAFarVersion", "futur.ornal",
            [](const Path& f) { PutContent(f, R"({"format": "ornal-jeu", "version": 7})"); },
            "ce jeu a été enregistré par une version plus récente d'Ornal" },
        { "ANumberWrittenAsText", "types.ornal",
            [](const Path& f) {
                PutContent(f, Spoilt(GameOfLines(1), "\"nombreBases\": -1", "\"nombreBases\": \"-1\""));
            },
            "« selection.nombreBases » doit être un nombre entier" },
        { "LinesInAnObject", "objet.ornal",
            [](const Path& f) {
                const std::string text = Spoilt(GameOfLines(1), "\"lignes\": [", "\"lignes\": {\"a\": [");
                PutContent(f, Spoilt(text, "]", "]}", true));
            },
            "« lignes » doit être une liste" },
        { "ALaterLineWithoutItsDashes", "ligne.ornal",
            [](const Path& f) { PutContent(f, Spoilt(GameOfLines(2), "\"-1-2-\"", "\"1-2\"", true)); },
            "la ligne 2 n'est pas une combinaison" },
        { "TheFirstLineCutShort", "début.ornal",
            [](const Path& f) { PutContent(f, Spoilt(GameOfLines(3), "\"-1-2-\"", "\"-1-2\"")); },
            "la ligne 1 n'est pas une combinaison" },
        { "EightyThousandLines", "long.ornal", [](const Path& f) { PutContent(f, GameOfLines(80000)); },
            "la liste compte plus de 77 520 lignes" },
        { "HundredMegabytes", "énorme.ornal",
            [](const Path& f) {
                const int descriptor = ::open(f.c_str(), O_WRONLY | O_CREAT, 0644);
                ASSERT_EQ(::ftruncate(descriptor, 100LL * 1024 * 1024), 0);
                ::close(descriptor);
            },
            "le fichier dépasse 16 Mo" },
        { "APicture", "image.ornal",
            [](const Path& f) { PutContent(f, std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)); },
            "ce fichier n'est pas un jeu Ornal" },
        { "AProgram", "binaire.ornal",
            [](const Path& f) {
                PutContent(f,
                    std::string("\x7F"
                                "ELF\x02\x01\x01\0\0\0",
                        10));
            },
            "ce fichier n'est pas un jeu Ornal" },
        { "Directory", "dossier.ornal", [](const Path& f) { std::filesystem::create_directory(f); },
            "c'est un dossier" },
        // A pipe must be refused, not waited on.
        { "Fifo", "tube.ornal", [](const Path& f) { ASSERT_EQ(::mkfifo(f.c_str(), 0644), 0); },
            "ce n'est pas un fichier ordinaire" },
        { "SymlinkToDevZero", "zéro.ornal", [](const Path& f) { std::filesystem::create_symlink("/dev/zero", f); },
            "ce n'est pas un fichier ordinaire" },
        { "Missing", "absent.ornal", [](const Path&) {}, "dossier ou fichier introuvable" },
    };
}

template <typename Front> class BadFileParity : public Front {
};

TYPED_TEST_SUITE_P(BadFileParity);

TYPED_TEST_P(BadFileParity, EveryFileIsRefusedWithItsReasonAndChangesNothing)
{
    const std::vector<BadFileCase> cases = BadFileCases();
    for (const BadFileCase& c : cases) {
        SCOPED_TRACE(c.name);
        const BadFileAnswer answer = this->openBadFile(c);
        EXPECT_TRUE(answer.refused) << answer.said;
        EXPECT_EQ(
            answer.said, TypeParam::said(std::string("Impossible d'ouvrir « ") + c.file + " » : " + c.reason + "."));
        EXPECT_EQ(answer.after, answer.before);
    }
}

REGISTER_TYPED_TEST_SUITE_P(BadFileParity, EveryFileIsRefusedWithItsReasonAndChangesNothing);

} // namespace ornal
