#include "cli/windowlauncher.h"

#include "files/systemerrortext.h"

#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace ornal {

std::filesystem::path WindowExecutable(std::string& failure)
{
    // The window lives in a fixed place relative to this program, in the build tree as once installed, so a copy
    // of Ornal never starts another copy's window found on the PATH.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        failure = "ornal : la fenêtre n'a pas pu être trouvée (" + SystemErrorText(error.value()) + ").";
        return {};
    }
    return (self.parent_path() / ORNAL_WINDOW_FROM_BIN).lexically_normal();
}

std::string StartWindow(char* argv[])
{
    std::string failure;
    const std::filesystem::path window = WindowExecutable(failure);
    if (window.empty()) {
        return failure;
    }
    ::execv(window.c_str(), argv);
    return "ornal : la fenêtre « " + window.string() + " » n'a pas pu être lancée : " + SystemErrorText(errno) + ".";
}

} // namespace ornal
