#include "windowlauncher.h"

#include "systemerrortext.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace ornal {

std::string StartWindow(char* argv[])
{
    // The window lives in a fixed place relative to this program, in the build tree as once installed, so a copy
    // of Ornal never starts another copy's window found on the PATH.
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return "ornal : la fenêtre n'a pas pu être trouvée (" + SystemErrorText(error.value()) + ").";
    }
    const std::filesystem::path window = (self.parent_path() / ORNAL_WINDOW_FROM_BIN).lexically_normal();
    ::execv(window.c_str(), argv);
    return "ornal : la fenêtre « " + window.string() + " » n'a pas pu être lancée : " + SystemErrorText(errno) + ".";
}

} // namespace ornal
