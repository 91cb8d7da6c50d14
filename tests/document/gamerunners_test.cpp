// The runners with their odds and the thresholds of the groups made from the odds, as a game file keeps them.
#include "document/gamejson.h"
#include "document/gamenotes.h"
#include "gametesting.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace ornal {
namespace {

using Json = nlohmann::json;

// Six horses two a line, the fifteen lines of C(6, 2).
SavedGame SixHorses()
{
    SavedGame game;
    game.selection = SelectionOf(6, 2);
    game.selectionText = "-1-2-3-4-5-6";
    game.list = AllCombinations(6, 2);
    return game;
}

TEST(SavedRunners, ComeBackExactlyAsGivenWithTheThresholds)
{
    SavedGame game = SixHorses();
    // Odds no short decimal holds exactly, and the highest a runner may take.
    game.runners = { { 3, 5.2 }, { 1, 1.01 }, { 12, 7.0 / 3 }, { 99, 250 } };
    game.oddsThresholds = OddsThresholds { 4.5, 20 };
    const GameReading reading = GameFromJson(GameToJson(game));
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_EQ(reading->runners, game.runners);
    EXPECT_EQ(reading->oddsThresholds, game.oddsThresholds);
}

TEST(SavedRunners, AGameWithoutThemWritesNeitherMember)
{
    const std::string text = GameToJson(SixHorses());
    EXPECT_EQ(text.find("partants"), std::string::npos);
    EXPECT_EQ(text.find("seuilsCotes"), std::string::npos);
    const GameReading reading = GameFromJson(text);
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_TRUE(reading->runners.empty());
    EXPECT_FALSE(reading->oddsThresholds);
}

TEST(SavedRunners, OddsWrittenAsIntegersOrWithAnExponentAreRead)
{
    Json json = Json::parse(GameToJson(SixHorses()));
    json["partants"] = Json::parse(R"([{"numero": 1, "cote": 8}, {"numero": 2, "cote": 1.25e1}])");
    json["seuilsCotes"] = Json::parse(R"({"favoris": 6, "outsiders": 1.8e1})");
    const GameReading reading = GameFromJson(json.dump());
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_EQ(reading->runners, (std::vector<Runner> { { 1, 8 }, { 2, 12.5 } }));
    EXPECT_EQ(reading->oddsThresholds, (OddsThresholds { 6, 18 }));
}

struct SpoiltRunners {
    const char* name;
    const char* member; // "partants" or "seuilsCotes"
    const char* value; // its JSON
    const char* reason;
};

class SpoiltRunnersMember : public testing::TestWithParam<SpoiltRunners> { };

TEST_P(SpoiltRunnersMember, IsRefusedNamingTheMember)
{
    Json json = Json::parse(GameToJson(SixHorses()));
    json[GetParam().member] = Json::parse(GetParam().value);
    const GameReading reading = GameFromJson(json.dump(1));
    EXPECT_FALSE(reading.ok());
    EXPECT_EQ(reading.refusalText(), GetParam().reason);
}

std::string ManyRunners(int count)
{
    std::string text = "[";
    for (int i = 1; i <= count; ++i) {
        text += (i == 1 ? "" : ",") + std::string("{\"numero\": ") + std::to_string(i) + ", \"cote\": 10}";
    }
    return text + "]";
}

const std::string kThirtyOne = ManyRunners(31);

INSTANTIATE_TEST_SUITE_P(Members, SpoiltRunnersMember,
    testing::Values(SpoiltRunners { "NotAList", "partants", R"({"numero": 1})", "« partants » doit être une liste" },
        SpoiltRunners { "ARunnerNotAnObject", "partants", "[3]", "« partants (élément 1) » doit être un objet" },
        SpoiltRunners { "OddsMissing", "partants", R"([{"numero": 1, "cote": 2}, {"numero": 2}])",
            "il manque « partants (élément 2).cote »" },
        SpoiltRunners { "OddsAsText", "partants", R"([{"numero": 1, "cote": "5,2"}])",
            "« partants (élément 1).cote » doit être un nombre" },
        SpoiltRunners { "NumberWithDecimals", "partants", R"([{"numero": 1.5, "cote": 2}])",
            "« partants (élément 1).numero » doit être un nombre entier" },
        SpoiltRunners { "NumberZero", "partants", R"([{"numero": 0, "cote": 2}])",
            "« partants (élément 1).numero » doit être compris entre 1 et 99" },
        SpoiltRunners { "NumberPastTheLast", "partants", R"([{"numero": 100, "cote": 2}])",
            "« partants (élément 1).numero » doit être compris entre 1 et 99" },
        SpoiltRunners { "OddsOfOne", "partants", R"([{"numero": 1, "cote": 2}, {"numero": 2, "cote": 1}])",
            "« partants (élément 2).cote » doit être supérieure à 1" },
        SpoiltRunners { "OddsBelowZero", "partants", R"([{"numero": 1, "cote": -3.5}])",
            "« partants (élément 1).cote » doit être supérieure à 1" },
        SpoiltRunners { "ARunnerGivenTwice", "partants",
            R"([{"numero": 4, "cote": 2}, {"numero": 5, "cote": 3}, {"numero": 4, "cote": 6}])",
            "« partants (élément 3).numero » : le partant 4 figure déjà" },
        SpoiltRunners { "AnUnknownMemberOfARunner", "partants", R"([{"numero": 1, "cote": 2, "nom": "Éclair"}])",
            "« partants (élément 1).nom » n'est pas un membre connu d'un jeu Ornal" },
        SpoiltRunners { "ThirtyOneRunners", "partants", kThirtyOne.c_str(), "« partants » compte plus de 30 partants" },
        SpoiltRunners {
            "AThresholdMissing", "seuilsCotes", R"({"favoris": 5})", "il manque « seuilsCotes.outsiders »" },
        SpoiltRunners { "AThresholdAsText", "seuilsCotes", R"({"favoris": "5", "outsiders": 15})",
            "« seuilsCotes.favoris » doit être un nombre" },
        SpoiltRunners { "AThresholdBelowOne", "seuilsCotes", R"({"favoris": 0.5, "outsiders": 15})",
            "« seuilsCotes.favoris » doit être compris entre 1 et 999" },
        SpoiltRunners { "AThresholdPastTheBox", "seuilsCotes", R"({"favoris": 5, "outsiders": 1000})",
            "« seuilsCotes.outsiders » doit être compris entre 1 et 999" },
        SpoiltRunners { "ThresholdsNotAnObject", "seuilsCotes", "[5, 15]", "« seuilsCotes » doit être un objet" }),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SavedRunners, ThirtyRunnersAreTheMostAGameHolds)
{
    Json json = Json::parse(GameToJson(SixHorses()));
    json["partants"] = Json::parse(ManyRunners(30));
    const GameReading reading = GameFromJson(json.dump());
    ASSERT_TRUE(reading.ok()) << reading.refusalText();
    EXPECT_EQ(reading->runners.size(), 30u);
}

TEST(PrintedRunnersText, NamesEachRunnerWithItsOddsInTheOrderGiven)
{
    EXPECT_EQ(PrintedRunnersText({}), "");
    EXPECT_EQ(PrintedRunnersText({ { 7, 5.2 }, { 1, 8 }, { 12, 12.25 } }),
        "Partants et cotes : 7 à 5,2 ; 1 à 8 ; 12 à 12,25");
}

} // namespace
} // namespace ornal
