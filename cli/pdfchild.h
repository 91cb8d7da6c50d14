#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

namespace ornal {

// The window's program drawing a PDF for the command line, as a child that never outlives this process, and the
// private folder the game is handed over in, which never stays behind.
//
// While a PdfChild lives, SIGTERM, SIGINT and SIGHUP (those not ignored) are taken over: the signal is passed on to
// the running child, which is waited for; then the temporaries being written (see RemoveLiveTemporaries) and the
// private folder are removed, and this process ends by the signal as it would have. The child also dies with this
// process when it is killed outright (PR_SET_PDEATHSIG). One PdfChild at a time.
class PdfChild {
public:
    PdfChild();
    ~PdfChild();
    PdfChild(const PdfChild&) = delete;
    PdfChild& operator=(const PdfChild&) = delete;

    // Makes the private folder "ornal-pdf-XXXXXX" inside parent; 0, or the errno of the failure.
    int makeFolder(const std::filesystem::path& parent);
    // The private folder, empty until made.
    const std::filesystem::path& folder() const { return m_folder; }
    // Names the one file of the private folder that a signal removes with it; at most 255 bytes.
    void holdFile(const std::string& name);

    // Runs program with arguments (argv[0] first) and environment, its standard output on outDescriptor, and
    // waits for its end. The wait status, or -1 with errno set when the child could not be started or waited for.
    int run(const std::string& program, std::vector<std::string> arguments, std::vector<std::string> environment,
        int outDescriptor);

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_file;
};

} // namespace ornal
