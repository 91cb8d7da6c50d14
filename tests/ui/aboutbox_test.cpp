#include "ui/aboutbox.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <vector>

namespace ornal {
namespace {

std::vector<std::string> SplitAtCarriageReturns(const std::string& text)
{
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line, '\r');) {
        lines.push_back(line);
    }
    return lines;
}

TEST(AboutMessage, SixLinesJoinedByFiveCarriageReturns)
{
    const Message about = AboutMessage("1.2.3");
    EXPECT_EQ(std::count(about.text.begin(), about.text.end(), '\r'), 5);
    EXPECT_EQ(about.text.find('\n'), std::string::npos);
    const auto lines = SplitAtCarriageReturns(about.text);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].rfind("-- ", 0), 0u);
    EXPECT_NE(lines[0].find("1.2.3"), std::string::npos);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 2), "--");
    EXPECT_NE(lines[0][lines[0].size() - 3], ' ');
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], "Petit système réducteur sans prétention mais qui peut être utile.");
    EXPECT_FALSE(lines[3].empty());
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(lines[5], "Rendez-vous sur notre site : www.galopia.fr");
}

TEST(AboutMessage, NoIconAndTheApplicationsTitle)
{
    const Message about = AboutMessage("1.0.0");
    EXPECT_EQ(about.icon, MessageIcon::None);
    EXPECT_EQ(about.title, "Ornal");
}

} // namespace
} // namespace ornal
