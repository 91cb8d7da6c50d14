#include "desktop/workbookopener.h"
#include "fakedesktop.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace ornal {
namespace {

namespace fs = std::filesystem;
using testing_support::TheFakeDesktop;

// The fake desktop registers a spreadsheet application that records what it was asked to open.
TEST(OpenWithRegisteredApplication, StartsTheDesktopsSpreadsheetOnTheFile)
{
    const std::string record = TheFakeDesktop().workbookRecordFile;
    fs::remove(record);
    const fs::path file = fs::path(TheFakeDesktop().home) / "Ornal_2026-12-07_05-52-08.xlsx";
    std::ofstream(file) << "PK";
    EXPECT_EQ(OpenWithRegisteredApplication(file), std::nullopt);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(record) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    std::ifstream recorded(record);
    std::vector<std::string> arguments;
    for (std::string line; std::getline(recorded, line);) {
        arguments.push_back(line);
    }
    EXPECT_EQ(arguments, std::vector<std::string> { file.string() });
    fs::remove(file);
}

} // namespace
} // namespace ornal
