// The launcher's system functions on Windows: the shell's own lookup and process start, with the buffers and
// records the shell expects.
#ifdef _WIN32

#include "desktop/weblauncher.h"

#include <windows.h>

#include <shellapi.h>

namespace ornal {

namespace {

class WindowsPlatform final : public BrowserPlatform {
public:
    std::string tempPath() override
    {
        std::string buffer(256, ' ');
        GetTempPathA(256, buffer.data());
        return buffer;
    }

    std::int32_t findExecutable(const std::string& file, const std::string& folder, std::string& command) override
    {
        std::string buffer(260, ' ');
        const auto code = reinterpret_cast<INT_PTR>(FindExecutableA(file.c_str(), folder.c_str(), buffer.data()));
        command = buffer;
        return static_cast<std::int32_t>(code);
    }

    bool createProcess(const std::string& command, std::string_view address) override
    {
        STARTUPINFOA startup {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process {};
        std::string commandLine = " " + std::string(address);
        CreateProcessA(command.c_str(), commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
            nullptr, &startup, &process);
        const bool created = process.hProcess != nullptr;
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        return created;
    }
};

} // namespace

BrowserPlatform& SystemBrowserPlatform()
{
    static WindowsPlatform platform;
    return platform;
}

} // namespace ornal

#endif
