// The one refusal type: a value and a refusal never stand together, and the message keeps its box's icon and title.
#include "engine/refusal.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace ornal {
namespace {

Result<int> Half(int value)
{
    if (value % 2 != 0) {
        return Refusal::Saying("Nombre impair : " + std::to_string(value) + ".", MessageIcon::Critical);
    }
    return value / 2;
}

TEST(Refusal, AValueOrARefusalNeverBoth)
{
    const Result<int> half = Half(8);
    ASSERT_TRUE(half.ok());
    EXPECT_EQ(*half, 4);

    const Result<int> odd = Half(7);
    ASSERT_FALSE(odd);
    EXPECT_EQ(odd.refusal().text(), "Nombre impair : 7.");
    EXPECT_EQ(odd.refusal().message.icon, MessageIcon::Critical);
    EXPECT_EQ(odd.refusal().message.title, "Programme Ornal");
}

TEST(Refusal, AValueThatOnlyMovesIsHandedOver)
{
    Result<std::unique_ptr<int>> made = std::make_unique<int>(5);
    ASSERT_TRUE(made.ok());
    const std::unique_ptr<int> taken = std::move(made).value();
    EXPECT_EQ(*taken, 5);
}

TEST(Refusal, DoneOrRefused)
{
    const Result<void> done;
    EXPECT_TRUE(done.ok());
    const Result<void> refused = Refusal::Saying("Liste vide.");
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.refusal(), Refusal::Saying("Liste vide."));
    EXPECT_NE(refused, done);
}

} // namespace
} // namespace ornal
