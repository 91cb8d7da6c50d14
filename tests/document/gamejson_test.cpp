#include "document/gamejson.h"

#include <functional>
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
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_EQ(reading->list.size(), 12u);
    EXPECT_EQ(reading->list.line(11), "-3-6-");
}

TEST(GameFromJson, MembersItDoesNotKnowAreRefused)
{
    // A file of this version holds only the members this version writes: anything else was put there by hand.
    Json json = Json::parse(kValidGame);
    json["selection"]["couleur"] = 3;
    EXPECT_EQ(
        GameFromJson(json.dump()).refusalText(), "« selection.couleur » n'est pas un membre connu d'un jeu Ornal");
    json = Json::parse(kValidGame);
    json["commentaire"] = "ajouté à la main";
    EXPECT_EQ(GameFromJson(json.dump()).refusalText(), "« commentaire » n'est pas un membre connu d'un jeu Ornal");
    json = Json::parse(kValidGame);
    json["pari"] = { { "type", "trio" }, { "miseUnitaireCentimes", 100 }, { "devise", "EUR" } };
    EXPECT_EQ(GameFromJson(json.dump()).refusalText(), "« pari.devise » n'est pas un membre connu d'un jeu Ornal");
}

TEST(GameFromJson, ABetWithoutTheStakeOfItsRapportsOpens)
{
    // Files written before that stake was kept: the window then takes the type's default.
    Json json = Json::parse(kValidGame);
    json["pari"] = Json::parse(R"({"type": "couple-gagnant", "miseUnitaireCentimes": 300})");
    const GameReading old = GameFromJson(json.dump());
    ASSERT_TRUE(old.ok()) << old.refusalText();
    ASSERT_TRUE(old->bet);
    EXPECT_EQ(old->bet->unitStakeCents, 300);
    EXPECT_FALSE(old->bet->rapportBaseCents);
    json["pari"]["rapportPourCentimes"] = 100;
    const GameReading current = GameFromJson(json.dump());
    ASSERT_TRUE(current.ok()) << current.refusalText();
    EXPECT_EQ(current->bet->rapportBaseCents, 100);
}

// The valid game with text replaced at the first place where what stands.
std::string Edited(const std::string& what, const std::string& text)
{
    std::string game = kValidGame;
    game.replace(game.find(what), what.size(), text);
    return game;
}

std::string Repeated(const std::string& text, std::size_t times)
{
    std::string out;
    out.reserve(text.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

struct RefusedText {
    const char* name;
    std::function<std::string()> text; // made when the case runs: some are megabytes long
    std::string reason;
};

class RefusedGameText : public testing::TestWithParam<RefusedText> { };

TEST_P(RefusedGameText, IsRefusedWithItsReason)
{
    const GameReading reading = GameFromJson(GetParam().text());
    EXPECT_FALSE(reading.ok());
    EXPECT_EQ(reading.refusalText(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Texts, RefusedGameText,
    testing::Values(RefusedText { "DuplicateRootMember",
                        [] { return Edited("\"texteSelection\"", "\"texteSelection\": \"-9\", \"texteSelection\""); },
                        "« texteSelection » figure deux fois" },
        RefusedText { "DuplicateNestedMember", [] { return Edited("\"base\"", "\"jeu\": \"3\", \"base\""); },
            "« selection.jeu » figure deux fois" },
        RefusedText { "NumberPastTheLargestDouble",
            [] { return Edited("\"nombreBases\": -1", "\"nombreBases\": 1e400"); },
            "« selection.nombreBases » est un nombre trop grand" },
        RefusedText { "IntegerPastSixtyFourBits",
            [] { return Edited("\"nombreBases\": -1", "\"nombreBases\": 123456789012345678901234567890"); },
            "« selection.nombreBases » est un nombre trop grand" },
        RefusedText { "HugeNumberInAList", [] { return Edited("\"-1-4-\"", "-1e999"); },
            "« lignes (élément 3) » est un nombre trop grand" },
        RefusedText { "NulAfterTheGame", [] { return std::string(kValidGame) + std::string("\0{\"x\": 1}", 10); },
            "le fichier contient un octet nul" },
        RefusedText { "NulInAText", [] { return Edited("Sans Base", std::string("Sans\0Base", 9)); },
            "le fichier contient un octet nul" },
        RefusedText { "FiveMillionObjectsInAnUnknownMember",
            [] {
                return Edited(
                    "\"texteSelection\"", "\"vide\": [" + Repeated("{},", 5'000'000) + "{}], \"texteSelection\"");
            },
            "« vide » n'est pas un membre connu d'un jeu Ornal" },
        RefusedText { "ObjectsForLines",
            [] { return Edited("\"lignes\": [", "\"lignes\": [" + Repeated("{},", 1'000'000)); },
            "la liste compte plus de 77 520 lignes" },
        RefusedText { "TwoHundredThousandLines",
            [] { return Edited("\"lignes\": [", "\"lignes\": [" + Repeated("\"-1-2-\",", 200'000)); },
            "la liste compte plus de 77 520 lignes" },
        RefusedText { "ATextFarLongerThanAnyMember",
            [] { return Edited("\"-1-2-3-4-5-6\"", "\"" + std::string(60'000, '-') + "\""); },
            "un texte du fichier dépasse 8192 octets" },
        RefusedText { "ATextOfEscapesOneBytePastTheLongestLine",
            [] { return Edited("\"-3-6-\"", "\"-" + Repeated("\\u0033", 8191) + "-\""); },
            "la ligne 12 n'est pas une combinaison" },
        RefusedText { "AMemberNameHoldingALineBreak",
            [] { return Edited("\"texteSelection\"", "\"a\\nb\u007f\": 1, \"texteSelection\""); },
            "« a\\nb\\x7F » n'est pas un membre connu d'un jeu Ornal" },
        RefusedText { "ALongMemberNameGivenTwice",
            [] {
                const std::string member = "\"" + Repeated("é", 100) + "\": 1, ";
                return Edited("\"texteSelection\"", member + member + "\"texteSelection\"");
            },
            "« " + Repeated("é", 40) + "… » figure deux fois" },
        RefusedText { "AnObjectOfAThousandMembers",
            [] {
                std::string members;
                for (int i = 0; i < 1000; ++i) {
                    members += "\"m" + std::to_string(i) + "\": 0, ";
                }
                return Edited("\"nombreChevaux\"", members + "\"nombreChevaux\"");
            },
            "« selection » compte trop de membres" }),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(reading.refusalText(), GetParam().reason);
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
            "« pari.miseUnitaireCentimes » doit être compris entre 0 et 10000000" },
        Spoilt { "/pari", R"({"type": "quinte"})", "il manque « pari.miseUnitaireCentimes »" },
        Spoilt { "/pari", R"({"type": "quinte", "miseUnitaireCentimes": 200, "rapportPourCentimes": 0})",
            "« pari.rapportPourCentimes » doit être compris entre 1 et 10000000" },
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
            "« conditions (élément 1).max » doit être compris entre 0 et 7" },
        Spoilt {
            "/conditions", kTwentyOneNumbers.c_str(), "« conditions (élément 1).numeros » compte plus de 20 numéros" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0, "somme": {"min": 5}}])",
            "il manque « conditions (élément 1).somme.max »" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0, "pairs": {"min": 0,
            "max": 25}}])",
            "« conditions (élément 1).pairs.max » doit être compris entre 0 et 7" },
        Spoilt { "/garantie", R"({"p": 0, "t": 3})", "« garantie.p » doit être compris entre 1 et 20" },
        Spoilt { "/garantie", R"({"p": 3})", "il manque « garantie.t »" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "etendue": "moitie"})",
            "« garantie.etendue » n'est pas une étendue connue" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "etendue": "lignes"})", "il manque « garantie.nombreLignes »" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "etendue": "budget", "nombreLignes": 40})",
            "il manque « garantie.budgetCentimes »" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "nombreLignes": 0})",
            "« garantie.nombreLignes » doit être compris entre 1 et 200000" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "nombreLignes": 18446744073709551615})",
            "« garantie.nombreLignes » doit être compris entre 1 et 200000" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "nombreLignes": -1})",
            "« garantie.nombreLignes » doit être compris entre 1 et 200000" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "budgetCentimes": 10000001})",
            "« garantie.budgetCentimes » doit être compris entre 0 et 10000000" },
        Spoilt { "/garantie", R"({"p": 3, "t": 3, "secondes": 0})",
            "« garantie.secondes » doit être compris entre 1 et 3600" },
        Spoilt {
            "/garantie", R"({"p": 3, "t": 3, "secondes": 1.5})", "« garantie.secondes » doit être un nombre entier" },
        Spoilt { "/mises", R"({"type": "trio", "miseUnitaireCentimes": 100})", "« mises » doit être une liste" },
        Spoilt { "/mises", R"([{"type": "trio"}])", "il manque « mises (élément 1).miseUnitaireCentimes »" },
        Spoilt { "/mises", R"([{"type": "trio", "miseUnitaireCentimes": 100, "rapportPourCentimes": 0}])",
            "« mises (élément 1).rapportPourCentimes » doit être compris entre 1 et 10000000" },
        Spoilt { "/mises", R"([{"type": "trio", "miseUnitaireCentimes": 100}, {"type": "multi",
            "miseUnitaireCentimes": 10000001}])",
            "« mises (élément 2).miseUnitaireCentimes » doit être compris entre 0 et 10000000" },
        Spoilt { "/mises", R"([{"type": "trio", "miseUnitaireCentimes": 100}, {"type": "trio",
            "miseUnitaireCentimes": 200}])",
            "« mises (élément 2).type » : le type trio figure déjà" },
        Spoilt { "/mises", R"([{"type": "trio", "miseUnitaireCentimes": 100, "devise": "EUR"}])",
            "« mises (élément 1).devise » n'est pas un membre connu d'un jeu Ornal" },
        Spoilt { "/conditionsLigne", R"({"somme": {"actif": true, "min": 0, "max": 10}, "pairs": {"actif": false,
            "min": 0, "max": 7}})",
            "il manque « conditionsLigne.suite »" },
        Spoilt { "/conditionsLigne", R"({"somme": {"actif": 1, "min": 0, "max": 10}, "pairs": {"actif": false,
            "min": 0, "max": 7}, "suite": {"actif": false, "min": 1, "max": 7}})",
            "« conditionsLigne.somme.actif » doit valoir true ou false" },
        Spoilt { "/conditionsLigne", R"({"somme": {"actif": true, "min": 0, "max": 100000}, "pairs": {"actif": false,
            "min": 0, "max": 7}, "suite": {"actif": false, "min": 1, "max": 7}})",
            "« conditionsLigne.somme.max » doit être compris entre 0 et 99999" },
        Spoilt { "/conditionsLigne", R"({"somme": {"actif": true, "min": 0, "max": 10}, "pairs": {"actif": false,
            "min": 5, "max": 2}, "suite": {"actif": false, "min": 1, "max": 7}})",
            "« conditionsLigne.pairs » : le minimum dépasse le maximum" },
        Spoilt { "/conditionsLigne", R"({"somme": {"actif": true, "min": 0, "max": 10}, "pairs": {"actif": false,
            "min": 0, "max": 7}, "suite": {"actif": false, "max": 7}})",
            "il manque « conditionsLigne.suite.min »" },
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

// The same spoilt members in a game whose selection text holds no number of its lines, so that the lines are held
// to the boxes alone.
class SpoiltPrediction : public testing::TestWithParam<Spoilt> { };

TEST_P(SpoiltPrediction, IsNamedInTheRefusal)
{
    Json json = Json::parse(kValidGame);
    json["texteSelection"] = "-7-8";
    json[Json::json_pointer(GetParam().pointer)] = Json::parse(GetParam().value);
    const GameReading reading = GameFromJson(json.dump(1));
    EXPECT_FALSE(reading.ok());
    EXPECT_EQ(reading.refusalText(), GetParam().reason);
}

// Lines and prediction that do not belong together, and values past what the window accepts.
INSTANTIATE_TEST_SUITE_P(Prediction, SpoiltPrediction,
    testing::Values(
        Spoilt { "/lignes/3", "\"-a-b-\"", "la ligne 4 contient « a », qui n'est pas un numéro de la sélection" },
        Spoilt { "/lignes/3", "\"-99-98-\"", "la ligne 4 contient « 99 », qui n'est pas un numéro de la sélection" },
        Spoilt { "/lignes/3", "\"-3-3-\"", "la ligne 4 contient deux fois le numéro « 3 »" },
        Spoilt { "/lignes/3", "\"-3- 3 -\"", "la ligne 4 contient deux fois le numéro « 3 »" },
        Spoilt {
            "/lignes/3", "\"- -3-\"", "la ligne 4 contient un numéro vide, qui n'est pas un numéro de la sélection" },
        Spoilt { "/lignes/11", "\"-1-2-3-\"", "la ligne 12 compte 3 numéros au lieu de 2" },
        Spoilt { "/lignes/0", "\"-1-\"", "la ligne 1 compte 1 numéro au lieu de 2" },
        Spoilt { "/selection/jeu", "\"3\"", "la ligne 1 compte 2 numéros au lieu de 3" },
        Spoilt { "/selection/jeu", "\" \"", "« selection.jeu » ne donne pas le nombre de numéros des lignes" },
        Spoilt { "/selection/numerosVisibles/5", "false",
            "la ligne 5 contient « 6 », qui n'est pas un numéro de la sélection" },
        Spoilt { "/selection/numeros/2", "\"1\"", "« selection.numeros (élément 3) » répète le numéro de l'élément 1" },
        Spoilt {
            "/selection/numeros/2", "\"01\"", "« selection.numeros (élément 3) » répète le numéro de l'élément 1" },
        Spoilt {
            "/selection/numeros/2", "\"\"", "« selection.numeros (élément 3) » est vide alors que le jeu a une liste" },
        Spoilt { "/selection/numeros/2", "\"3-4\"",
            "« selection.numeros (élément 3) » contient un tiret, qui sépare les numéros d'une ligne" },
        Spoilt { "/selection/coches/8", "true", "« selection.coches (élément 9) » coche une case cachée" },
        Spoilt { "/pari", R"({"type": "trio", "miseUnitaireCentimes": 100000000000})",
            "« pari.miseUnitaireCentimes » doit être compris entre 0 et 10000000" },
        Spoilt { "/pari", R"({"type": "trio", "miseUnitaireCentimes": 10000001})",
            "« pari.miseUnitaireCentimes » doit être compris entre 0 et 10000000" },
        Spoilt { "/arrivee", R"({"numeros": ["1", "2", "3", "4", "5"], "rapports": [{"classe": "ordre",
            "centimes": 1000000001}]})",
            "« arrivee.rapports (élément 1).centimes » doit être compris entre 0 et 1000000000" },
        Spoilt { "/arrivee", R"({"numeros": ["1", "2", "3", "4", "5"], "rapports": [{"classe": "a", "centimes": 1},
            {"classe": "b", "centimes": 1}, {"classe": "c", "centimes": 1}, {"classe": "d", "centimes": 1},
            {"classe": "e", "centimes": 1}]})",
            "« arrivee.rapports » compte plus de 4 classes" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0}, {"nom": "b", "numeros": [],
            "min": 0, "max": 0}, {"nom": "c", "numeros": [], "min": 0, "max": 0}, {"nom": "d", "numeros": [],
            "min": 0, "max": 0}, {"nom": "e", "numeros": [], "min": 0, "max": 0}, {"nom": "f", "numeros": [],
            "min": 0, "max": 0}])",
            "« conditions » compte plus de 5 groupes" },
        Spoilt { "/conditions", R"([{"nom": "a", "numeros": [], "min": 0, "max": 0, "somme": {"min": 0,
            "max": 100000}}])",
            "« conditions (élément 1).somme.max » doit être compris entre 0 et 99999" },
        Spoilt { "/garantie", R"({"p": 20, "t": 8})", "« garantie.t » doit être compris entre 1 et 7" },
        Spoilt { "/garantie", R"({"p": 21, "t": 3})", "« garantie.p » doit être compris entre 1 et 20" }));

TEST(GameFromJson, AListKeptWhileANewPredictionIsChosenOpensIfMadeOfTheSelectionText)
{
    // The window keeps the list of "-1-2-3-4-5-6" while another horse count, bet size and numbers are chosen.
    Json json = Json::parse(kValidGame);
    json["selection"]["jeu"] = " 3abc";
    json["selection"]["numeros"][2] = "";
    json["selection"]["numerosVisibles"][7] = true;
    EXPECT_TRUE(GameFromJson(json.dump()).ok()) << GameFromJson(json.dump()).refusalText();
    // A line of a number neither the boxes nor the selection text hold is no such list.
    json["lignes"][5] = "-2-9-";
    EXPECT_EQ(GameFromJson(json.dump()).refusalText(),
        "« selection.numeros (élément 3) » est vide alors que le jeu a une liste");
    json["lignes"][5] = "-2-3-";
    json["lignes"][6] = "-2-4-5-";
    EXPECT_EQ(GameFromJson(json.dump()).refusalText(),
        "« selection.numeros (élément 3) » est vide alors que le jeu a une liste");
}

TEST(GameFromJson, APredictionBeingTypedOpensWithoutAList)
{
    // Before its list is made, a prediction may hold an empty box, a number typed twice, a tick on an empty box.
    Json json = Json::parse(kValidGame);
    json["lignes"] = Json::array();
    json["selection"]["numeros"][2] = "1";
    json["selection"]["numeros"][1] = "";
    json["selection"]["coches"][1] = true;
    const GameReading reading = GameFromJson(json.dump());
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_EQ(reading->selection.numbers[2], "1");
    EXPECT_TRUE(reading->selection.marks[1]);
}

// A game with every member of the first version of the format: files written before open as they were, and the
// same game is written the same way, under the version now written.
constexpr const char* kEveryMemberFile = R"json({
  "format": "ornal-jeu",
  "version": 1,
  "selection": {
    "nombreChevaux": "12",
    "jeu": "3",
    "base": "Base \"é\" \\",
    "nombreBases": 1,
    "numeros": ["1","2","3","4","5","6","7","8","9","10","11","12","","","","","","","",""],
    "numerosVisibles": [true,true,true,true,true,true,true,true,true,true,true,true,false,false,false,false,false,false,false,false],
    "coches": [true,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false],
    "cochesVisibles": [true,true,true,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false,false],
    "resultats": ["3","7","","11",""],
    "resultatsVisibles": [true,true,true,false,false]
  },
  "texteSelection": "-1-2-3-4-5-6-7-8-9-10-11-12",
  "lignes": [
    "-1-2-3-",
    "-1-5-12-"
  ],
  "pari": {"type":"trio","miseUnitaireCentimes":150},
  "arrivee": {"numeros":["1","5","12","",""],"rapports":[{"classe":"ordre","centimes":123456},{"classe":"désordre","centimes":0}]},
  "conditions": [{"nom":"favoris","numeros":["1","2"],"min":1,"max":2,"somme":{"min":6,"max":40},"suite":{"min":0,"max":3}},{"nom":"outsiders","numeros":[],"min":0,"max":0,"pairs":{"min":1,"max":1}}],
  "garantie": {"p":3,"t":2},
  "fenetre": {"jeuVisible":true,"baseVisible":true,"logos":[2,3],"legende":"combinaisons"}
}
)json";

TEST(GameToJson, WritesEveryMemberAsTheFormatAlwaysHas)
{
    SavedGame game;
    game.selection.horseCountText = "12";
    game.selection.betSizeText = "3";
    game.selection.baseText = "Base \"é\" \\";
    game.selection.baseCount = 1;
    for (std::size_t i = 0; i < 12; ++i) {
        game.selection.numbers[i] = std::to_string(i + 1);
        game.selection.numbersShown[i] = true;
    }
    game.selection.marks[0] = true;
    game.selection.marksShown[0] = game.selection.marksShown[1] = game.selection.marksShown[2] = true;
    game.selection.results = { "3", "7", "", "11", "" };
    game.selection.resultsShown = { true, true, true, false, false };
    game.selectionText = "-1-2-3-4-5-6-7-8-9-10-11-12";
    game.list.append("-1-2-3-");
    game.list.append("-1-5-12-");
    game.bet = SavedBet { "trio", 150 };
    game.arrival = SavedArrival { { "1", "5", "12", "", "" }, { { "ordre", 123456 }, { "désordre", 0 } } };
    game.conditions = { { "favoris", { "1", "2" }, 1, 2, SavedRange { 6, 40 }, std::nullopt, SavedRange { 0, 3 } },
        { "outsiders", {}, 0, 0, std::nullopt, SavedRange { 1, 1 }, std::nullopt } };
    game.guarantee = SavedGuarantee { 3, 2 };
    game.view = SavedView { true, true, std::array { 2, 3 }, SavedView::Caption::Count };
    std::string written = kEveryMemberFile;
    const std::string firstVersion = "\"version\": 1,";
    written.replace(written.find(firstVersion), firstVersion.size(), "\"version\": 2,");
    EXPECT_EQ(GameToJson(game), written);
    const GameReading reading = GameFromJson(kEveryMemberFile);
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_TRUE(*reading == game);
}

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
    EXPECT_EQ(GameFromJson(text).refusalText(), "le fichier est abîmé (erreur de syntaxe à la ligne 5)");
}

} // namespace
} // namespace ornal
