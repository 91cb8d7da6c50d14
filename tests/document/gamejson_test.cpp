#include "gamejson.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace ornal {
namespace {

using Json = nlohmann::json;

// A valid game written by hand, with twelve lines so that line 12 can be spoilt.
constexpr const char* kValidGame = R"({
  "format": "ornal-jeu",
  "version": 1,
  "selection": {
    "nombreChevaux": "6", "jeu": "2", "base": "Sans Base", "nombreBases": -1,
    "numeros": ["1", "2", "3", "4", "5", "6", "", "", "", "", "", "", "", "", "", "", "", "", "", ""],
    "numerosVisibles": [true, true, true, true, true, true, false, false, false, false,
                        false, false, false, false, false, false, false, false, false, false],
    "coches": [false, false, false, false, false, false, false, false, false, false,
               false, false, false, false, false, false, false, false, false, false],
    "cochesVisibles": [true, true, false, false, false, false, false, false, false, false,
                       false, false, false, false, false, false, false, false, false, false],
    "resultats": ["", "", "", "", ""],
    "resultatsVisibles": [true, true, false, false, false]
  },
  "texteSelection": "-1-2-3-4-5-6",
  "lignes": ["-1-2-", "-1-3-", "-1-4-", "-1-5-", "-1-6-", "-2-3-", "-2-4-", "-2-5-", "-2-6-", "-3-4-", "-3-5-",
             "-3-6-"]
})";

TEST(GameFromJson, TheHandWrittenGameIsValid)
{
    const GameReading reading = GameFromJson(kValidGame);
    ASSERT_TRUE(reading.ok()) << reading.reason;
    EXPECT_EQ(reading.game->list.size(), 12u);
    EXPECT_EQ(reading.game->list.line(11), "-3-6-");
}

TEST(GameFromJson, MembersItDoesNotKnowAreLeftAside)
{
    Json json = Json::parse(kValidGame);
    json["commentaire"] = "ajouté par une version suivante";
    json["selection"]["couleur"] = 3;
    EXPECT_TRUE(GameFromJson(json.dump()).ok());
}

TEST(GameFromJson, ABetWithoutTheStakeOfItsRapportsOpens)
{
    // Files written before that stake was kept: the window then takes the type's default.
    Json json = Json::parse(kValidGame);
    json["pari"] = Json::parse(R"({"type": "couple-gagnant", "miseUnitaireCentimes": 300})");
    const GameReading old = GameFromJson(json.dump());
    ASSERT_TRUE(old.ok()) << old.reason;
    ASSERT_TRUE(old.game->bet);
    EXPECT_EQ(old.game->bet->unitStakeCents, 300);
    EXPECT_FALSE(old.game->bet->rapportBaseCents);
    json["pari"]["rapportPourCentimes"] = 100;
    const GameReading current = GameFromJson(json.dump());
    ASSERT_TRUE(current.ok()) << current.reason;
    EXPECT_EQ(current.game->bet->rapportBaseCents, 100);
}

struct Spoilt {
    const char* pointer; // the member changed, as a JSON pointer
    const char* value; // its new value in JSON, or nullptr to remove it
    const char* reason;
};

class SpoiltMember : public testing::TestWithParam<Spoilt> { };

TEST_P(SpoiltMember, IsNamedInTheRefusal)
{
    Json json = Json::parse(kValidGame);
    const Json::json_pointer pointer(GetParam().pointer);
    if (GetParam().value == nullptr) {
        json.at(pointer.parent_pointer()).erase(pointer.back());
    } else {
        json[pointer] = Json::parse(GetParam().value);
    }
    const GameReading reading = GameFromJson(json.dump(1));
    EXPECT_FALSE(reading.ok());
    EXPECT_EQ(reading.reason, GetParam().reason);
}

const std::string kLongText = "\"" + std::string(257, '9') + "\"";
const std::string kLongSelection = "\"" + std::string(8193, '-') + "\"";
const std::string kTwentyOneNumbers
    = R"([{"nom": "a", "min": 0, "max": 1, "numeros": ["1","2","3","4","5","6","7","8","9","10","11","12","13","14",
         "15","16","17","18","19","20","21"]}])";

INSTANTIATE_TEST_SUITE_P(Members, SpoiltMember,
    testing::Values(Spoilt { "/format", "\"ornal-jeu \"", "ce fichier n'est pas un jeu Ornal" },
        Spoilt { "/format", nullptr, "ce fichier n'est pas un jeu Ornal" },
        Spoilt { "/selection", "[]", "« selection » doit être un objet" },
        Spoilt { "/selection/base", nullptr, "il manque « selection.base »" },
        Spoilt { "/texteSelection", nullptr, "il manque « texteSelection »" },
        Spoilt { "/selection/nombreBases", "\"2\"", "« selection.nombreBases » doit être un nombre entier" },
        Spoilt { "/selection/nombreBases", "1.5", "« selection.nombreBases » doit être un nombre entier" },
        Spoilt { "/selection/nombreBases", "0", "« selection.nombreBases » doit valoir -1, 1, 2 ou 3" },
        Spoilt { "/selection/nombreBases", "4", "« selection.nombreBases » doit valoir -1, 1, 2 ou 3" },
        Spoilt { "/selection/nombreBases", "4294967297", "« selection.nombreBases » doit valoir -1, 1, 2 ou 3" },
        Spoilt {
            "/selection/nombreBases", "-9223372036854775808", "« selection.nombreBases » doit valoir -1, 1, 2 ou 3" },
        Spoilt { "/selection/numeros", R"(["1"])", "« selection.numeros » doit compter 20 éléments" },
        Spoilt { "/selection/numeros/3", "4", "« selection.numeros (élément 4) » doit être un texte" },
        Spoilt { "/selection/numeros/3", kLongText.c_str(), "« selection.numeros (élément 4) » dépasse 256 octets" },
        Spoilt { "/selection/coches/0", "1", "« selection.coches (élément 1) » doit valoir true ou false" },
        Spoilt { "/selection/resultatsVisibles", "[true, true, false, false]",
            "« selection.resultatsVisibles » doit compter 5 éléments" },
        Spoilt { "/selection/jeu", R"("\u0007")", "« selection.jeu » contient un caractère de contrôle" },
        Spoilt { "/texteSelection", kLongSelection.c_str(), "« texteSelection » dépasse 8192 octets" },
        Spoilt { "/lignes", "\"-1-2-\"", "« lignes » doit être une liste" },
        Spoilt { "/lignes/11", "\"-3-6\"", "la ligne 12 n'est pas une combinaison" },
        Spoilt { "/lignes/0", "7", "la ligne 1 n'est pas une combinaison" },
        Spoilt { "/lignes/4", R"("-1-\t-")", "la ligne 5 n'est pas une combinaison" },
        Spoilt { "/pari", R"({"type": "quinte", "miseUnitaireCentimes": -1})",
            "« pari.miseUnitaireCentimes » doit être compris entre 0 et 100000000000" },
        Spoilt { "/pari", R"({"type": "quinte"})", "il manque « pari.miseUnitaireCentimes »" },
        Spoilt { "/pari", R"({"type": "quinte", "miseUnitaireCentimes": 200, "rapportPourCentimes": 0})",
            "« pari.rapportPourCentimes » doit être compris entre 1 et 100000000000" },
        Spoilt { "/pari", R"({"type": "quinte", "miseUnitaireCentimes": 200, "rapportPourCentimes": "1,00"})",
            "« pari.rapportPourCentimes » doit être un nombre entier" },
        Spoilt { "/pari", R"({"type": 5, "miseUnitaireCentimes": 100})", "« pari.type » doit être un texte" },
        Spoilt { "/arrivee", R"({"numeros": ["1", "2", "3", "4"], "rapports": []})",
            "« arrivee.numeros » doit compter 5 éléments" },
        Spoilt { "/arrivee", R"({"numeros": ["1", "2", "3", "4", "5"], "rapports": [{"classe": "ordre",
            "centimes": "12"}]})",
            "« arrivee.rapports (élément 1).centimes » doit être un nombre entier" },
        Spoilt { "/arrivee", R"({"numeros": ["1", "2", "3", "4", "5"], "rapports": [7]})",
            "« arrivee.rapports (élément 1) » doit être un objet" },
        Spoilt { "/conditions", "{}", "« conditions » doit être une liste" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": ["1"], "min": 3, "max": 1}])",
            "« conditions (élément 1) » : le minimum dépasse le maximum" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": ["1"], "min": 0, "max": 21}])",
            "« conditions (élément 1).max » doit être compris entre 0 et 20" },
        Spoilt {
            "/conditions", kTwentyOneNumbers.c_str(), "« conditions (élément 1).numeros » compte plus de 20 numéros" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0, "somme": {"min": 5}}])",
            "il manque « conditions (élément 1).somme.max »" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0, "pairs": {"min": 0,
            "max": 25}}])",
            "« conditions (élément 1).pairs.max » doit être compris entre 0 et 20" },
        Spoilt { "/garantie", R"({"p": 0, "t": 3})", "« garantie.p » doit être compris entre 1 et 20" },
        Spoilt { "/garantie", R"({"p": 3})", "il manque « garantie.t »" },
        Spoilt { "/fenetre", R"({"jeuVisible": 1, "baseVisible": true, "legende": "combinaisons"})",
            "« fenetre.jeuVisible » doit valoir true ou false" },
        Spoilt {
            "/fenetre", R"({"jeuVisible": true, "legende": "combinaisons"})", "il manque « fenetre.baseVisible »" },
        Spoilt { "/fenetre", R"({"jeuVisible": true, "baseVisible": true, "legende": "Combinaisons : 12"})",
            "« fenetre.legende » n'est pas une légende connue" },
        Spoilt { "/fenetre", R"({"jeuVisible": true, "baseVisible": true, "legende": "choisirJeu", "logos": [1]})",
            "« fenetre.logos » doit compter 2 éléments" },
        Spoilt { "/fenetre", R"({"jeuVisible": true, "baseVisible": true, "legende": "choisirJeu", "logos": ["0", 1]})",
            "« fenetre.logos (élément 1) » doit être un nombre entier" },
        Spoilt { "/fenetre", R"({"jeuVisible": true, "baseVisible": true, "legende": "choisirJeu", "logos": [0, 7]})",
            "« fenetre.logos (élément 2) » doit être compris entre 0 et 6" },
        Spoilt { "/fenetre",
            R"({"jeuVisible": true, "baseVisible": true, "legende": "choisirJeu", "logos": [4294967296, 1]})",
            "« fenetre.logos (élément 1) » doit être compris entre 0 et 6" },
        Spoilt { "/fenetre",
            R"({"jeuVisible": true, "baseVisible": true, "legende": "choisirJeu", "logos": [-4294967296, 1]})",
            "« fenetre.logos (élément 1) » doit être compris entre 0 et 6" }));

TEST(GameToJson, PutsEachListLineOnALineOfItsOwn)
{
    SavedGame game;
    game.list.append("-1-2-");
    game.list.append("-1-3-");
    const std::string text = GameToJson(game);
    EXPECT_NE(text.find("\n  \"lignes\": [\n    \"-1-2-\",\n    \"-1-3-\"\n  ]\n}\n"), std::string::npos) << text;
}

TEST(GameFromJson, AnEscapedLoneSurrogateIsBrokenSyntax)
{
    // JSON allows \u escapes, but U+D800 alone encodes no character (RFC 8259, section 8.2).
    std::string text = kValidGame;
    text.replace(text.find("\"Sans Base\""), 11, "\"\\ud800\"");
    EXPECT_EQ(GameFromJson(text).reason, "le fichier est abîmé (erreur de syntaxe à la ligne 5)");
}

} // namespace
} // namespace ornal
