#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ornal {

// What the launcher needs from the operating system, shaped after the shell functions it was designed on, so that
// the lookup runs the same steps everywhere and tests can stand in for the system.
class BrowserPlatform {
public:
    virtual ~BrowserPlatform() = default;
    // The temporary folder's path, ending with the path separator (empty on failure).
    virtual std::string tempPath() = 0;
    // The program registered to open file in folder: a result code (32 or more is success) and its command.
    virtual std::int32_t findExecutable(const std::string& file, const std::string& folder, std::string& command) = 0;
    // Starts command on the address as a separate process, not waited for; true when a process was created.
    virtual bool createProcess(const std::string& command, std::string_view address) = 0;
};

// The operating system's platform: GIO and the freedesktop defaults on Linux, the shell functions on Windows.
BrowserPlatform& SystemBrowserPlatform();

// text up to its first NUL character (the whole text when it holds none).
std::string TrimNull(std::string_view text);

// The temporary folder's path, ending with the path separator.
std::string GetTempDir(BrowserPlatform& platform = SystemBrowserPlatform());

// The command of the program registered for HTML documents, found through an empty temporary "dummy.html" that is
// deleted again whatever happened; code receives the lookup's result code (below 32: nothing found).
std::string FindBrowser(std::int32_t& code, BrowserPlatform& platform = SystemBrowserPlatform());

// Starts the registered browser on address; true when a process was created. Never shows anything.
bool OpenUrl(std::string_view address, BrowserPlatform& platform = SystemBrowserPlatform());

} // namespace ornal
