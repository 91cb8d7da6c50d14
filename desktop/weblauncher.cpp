#include "weblauncher.h"

#include <cstdio>
#include <fstream>

namespace ornal {

namespace {

constexpr std::string_view kDummyDocument = "dummy.html";
constexpr std::int32_t kFileNotFound = 2;

} // namespace

std::string TrimNull(std::string_view text)
{
    return std::string(text.substr(0, text.find('\0')));
}

std::string GetTempDir(BrowserPlatform& platform)
{
    return TrimNull(platform.tempPath());
}

std::string FindBrowser(std::int32_t& code, BrowserPlatform& platform)
{
    const std::string folder = GetTempDir(platform);
    const std::string document = folder + std::string(kDummyDocument);
    {
        // Creating the document also empties one left there by somebody else.
        std::ofstream create(document, std::ios::out | std::ios::trunc);
        if (!create) {
            code = kFileNotFound;
            return {};
        }
    }
    std::string command;
    code = platform.findExecutable(std::string(kDummyDocument), folder, command);
    std::remove(document.c_str());
    return TrimNull(command);
}

bool OpenUrl(std::string_view address, BrowserPlatform& platform)
{
    std::int32_t code = 0;
    const std::string browser = FindBrowser(code, platform);
    if (code < 32) {
        return false;
    }
    return platform.createProcess(browser, address);
}

} // namespace ornal
