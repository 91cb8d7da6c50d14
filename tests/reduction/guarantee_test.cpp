#include "reduction/guarantee.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

struct OfferCase {
    std::string id;
    std::vector<std::string> names;
    std::vector<Guarantee> guarantees;
};

class OfferTest : public testing::TestWithParam<OfferCase> { };

TEST_P(OfferTest, OffersItsGuarantees)
{
    const OfferCase& c = GetParam();
    const Result<std::vector<OfferedGuarantee>> offer = OfferedGuarantees(c.id);
    ASSERT_TRUE(offer.ok());
    ASSERT_EQ(offer->size(), c.names.size());
    for (std::size_t i = 0; i < c.names.size(); ++i) {
        EXPECT_EQ((*offer)[i].name, c.names[i]);
        EXPECT_EQ((*offer)[i].guarantee, c.guarantees[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, OfferTest,
    testing::Values(OfferCase { "quinte", { "Bonus 3", "Bonus 4" }, { { 3, 3 }, { 4, 4 } } },
        OfferCase { "quarte", { "Bonus" }, { { 3, 3 } } }, OfferCase { "multi", { "Multi" }, { { 4, 4 } } },
        OfferCase { "2sur4", { "une paire payante" }, { { 4, 2 } } },
        OfferCase { "couple-place", { "une paire payante" }, { { 3, 2 } } }),
    [](const testing::TestParamInfo<OfferCase>& info) {
        std::string name = info.param.id;
        std::erase(name, '-');
        return name;
    });

TEST(OfferedGuarantees, SentencesThePlayerReads)
{
    const std::vector<OfferedGuarantee> quinte = OfferedGuarantees("quinte").value();
    ASSERT_EQ(quinte.size(), 2u);
    EXPECT_EQ(quinte[0].sentence, "Bonus 3 : si les 3 premiers sont dans votre jeu, une ligne les contient tous");
    EXPECT_EQ(quinte[1].sentence, "Bonus 4 : si les 4 premiers sont dans votre jeu, une ligne les contient tous");
    const std::vector<OfferedGuarantee> pairs = OfferedGuarantees("2sur4").value();
    ASSERT_EQ(pairs.size(), 1u);
    EXPECT_EQ(pairs[0].sentence, "Une paire payante : si les 4 premiers sont dans votre jeu, une ligne en contient 2");
    EXPECT_EQ(GuaranteeRule(Guarantee { 1, 1 }), "si le premier est dans votre jeu, une ligne le contient");
}

TEST(OfferedGuarantees, BetsPaidOnlyWholeAreRefused)
{
    const std::vector<std::pair<std::string, std::string>> refused { { "couple-gagnant", "Couplé gagnant" },
        { "couple-ordre", "Couplé ordre" }, { "trio", "Trio" }, { "trio-ordre", "Trio ordre" },
        { "tierce", "Tiercé" } };
    for (const auto& [id, shown] : refused) {
        const Result<std::vector<OfferedGuarantee>> offer = OfferedGuarantees(id);
        ASSERT_FALSE(offer.ok()) << id;
        EXPECT_EQ(offer.refusal().text(),
            "Aucune réduction possible pour le " + shown + " : seule la combinaison complète paie.");
    }
    EXPECT_FALSE(OfferedGuarantees("loto").ok());
}

TEST(CheckGuarantee, Ranges)
{
    // 8 horses, lines of 5, no base: P from 1 to 8, T from 1 to min(P, 5).
    EXPECT_TRUE(CheckGuarantee(Guarantee { 4, 4 }, 8, 0, 5));
    EXPECT_TRUE(CheckGuarantee(Guarantee { 8, 5 }, 8, 0, 5));
    EXPECT_TRUE(CheckGuarantee(Guarantee { 1, 1 }, 8, 0, 5));
    EXPECT_EQ(CheckGuarantee(Guarantee { 9, 4 }, 8, 0, 5).refusal().text(),
        "Nombre de premiers invalide : choisissez entre 1 et 8.");
    EXPECT_FALSE(CheckGuarantee(Guarantee { 0, 0 }, 8, 0, 5));
    EXPECT_EQ(CheckGuarantee(Guarantee { 8, 6 }, 8, 0, 5).refusal().text(),
        "Nombre de chevaux par ligne invalide : choisissez entre 1 et 5.");
    EXPECT_FALSE(CheckGuarantee(Guarantee { 3, 4 }, 8, 0, 5));
    EXPECT_FALSE(CheckGuarantee(Guarantee { 3, 0 }, 8, 0, 5));
    // Two bases: the finishers must hold them both.
    EXPECT_EQ(CheckGuarantee(Guarantee { 1, 1 }, 8, 2, 5).refusal().text(),
        "Nombre de premiers invalide : choisissez entre 2 et 8 (le jeu a 2 bases).");
    EXPECT_TRUE(CheckGuarantee(Guarantee { 2, 2 }, 8, 2, 5));
}

} // namespace
} // namespace ornal
