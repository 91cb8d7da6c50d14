#pragma once

#include <filesystem>

namespace ornal {

// Where the toolkit keeps its run-time files (sockets, locks) when the session names no such folder
// (XDG_RUNTIME_DIR unset): a folder only the user can enter, never one at the root of the file system.
// - systemRuns / <uid> (the session folder /run/user/<uid>) when it is a folder of the user's, closed to others;
// - else temporary / "ornal-runtime-<uid>", made closed to others when missing, or closed when it is the user's own;
//   temporary is $TMPDIR when that is an existing folder, else /tmp.
// Empty when neither can be had (a name taken by a link, a file, or a folder of another user).
std::filesystem::path UserRuntimeFolder(
    const std::filesystem::path& systemRuns = "/run/user", const std::filesystem::path& temporary = {});

} // namespace ornal
