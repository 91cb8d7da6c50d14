#pragma once

#include <string_view>

namespace ornal {

// The temporary files being written, so that SIGTERM, SIGINT or SIGHUP removes them before the process ends.
// Everything the signal handler touches is a fixed array of lock-free slots: no allocation, no lock.

// Installs, once per process, the handler of SIGTERM, SIGINT and SIGHUP where their action is still the default:
// an ignored signal stays ignored, and a handler the program set itself stays in place (it may call
// RemoveLiveTemporaries). The handler removes the live temporaries, restores the default action and raises again.
void InstallTemporaryCleanup();

// Records name inside the open folder folderDescriptor as live; returns a ticket for ForgetTemporary, or -1 when
// every slot is taken or the name is too long (the file is then written without that protection).
int RegisterTemporary(int folderDescriptor, std::string_view name);

// Drops a ticket from RegisterTemporary (ignores -1); call it once the file is renamed or removed.
void ForgetTemporary(int ticket);

// Unlinks every live temporary. Async-signal-safe, for a handler about to end the process: the slots it empties
// are not reused.
void RemoveLiveTemporaries() noexcept;

} // namespace ornal
