#include "files/atomicwriter.h"

#include "files/temporaryregistry.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ornal {

namespace {

constexpr std::size_t kMaxNameBytes = 255;
constexpr std::size_t kRandomLength = 6;
constexpr std::size_t kMaxKeptExtension = 32;
constexpr int kCreateAttempts = 100;

std::string RandomPart()
{
    static constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::array<unsigned char, kRandomLength> bytes {};
    if (getrandom(bytes.data(), bytes.size(), GRND_NONBLOCK) != static_cast<ssize_t>(bytes.size())) {
        // Without the kernel's randomness the clock and a counter still make clashes rare; O_EXCL catches them.
        static unsigned counter = 0;
        auto mix = static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count());
        mix ^= static_cast<unsigned long long>(::getpid()) << 32 ^ ++counter * 0x9E3779B97F4A7C15ULL;
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(mix);
            mix = mix * 6364136223846793005ULL + 1442695040888963407ULL;
            mix ^= mix >> 29;
        }
    }
    std::string text;
    for (unsigned char byte : bytes) {
        text += alphabet[byte % alphabet.size()];
    }
    return text;
}

// Blocks the cleanup signals on this thread, so that a temporary is never created without being registered.
class CleanupSignalsBlocked {
public:
    CleanupSignalsBlocked()
    {
        sigset_t blocked;
        sigemptyset(&blocked);
        sigaddset(&blocked, SIGTERM);
        sigaddset(&blocked, SIGINT);
        sigaddset(&blocked, SIGHUP);
        pthread_sigmask(SIG_BLOCK, &blocked, &m_previous);
    }
    ~CleanupSignalsBlocked() { pthread_sigmask(SIG_SETMASK, &m_previous, nullptr); }
    CleanupSignalsBlocked(const CleanupSignalsBlocked&) = delete;
    CleanupSignalsBlocked& operator=(const CleanupSignalsBlocked&) = delete;

private:
    sigset_t m_previous;
};

int RetryingFsync(int descriptor)
{
    while (::fsync(descriptor) != 0) {
        if (errno != EINTR) {
            return errno;
        }
    }
    return 0;
}

// One write from the opening of the temporary to its rename; the destructor removes whatever was not committed.
class AtomicWrite {
public:
    AtomicWrite(const std::filesystem::path& file, const AtomicWriteOptions& options)
        : m_file(file)
        , m_options(options)
    {
    }
    ~AtomicWrite() { abandon(); }
    AtomicWrite(const AtomicWrite&) = delete;
    AtomicWrite& operator=(const AtomicWrite&) = delete;

    FileStep open()
    {
        m_finalName = m_file.filename().string();
        if (m_finalName.empty() || m_finalName == "." || m_finalName == "..") {
            return FileProblem::FromErrno(EISDIR);
        }
        const std::filesystem::path folder = m_file.has_parent_path() ? m_file.parent_path() : ".";
        m_folderPath = folder.string();
        m_folder = ::open(m_folderPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (m_folder < 0) {
            return FileProblem::FromErrno(errno);
        }
        if (FileStep taken = refuseTakenName()) {
            return taken;
        }
        InstallTemporaryCleanup();
        for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
            std::string name = TemporaryNameFor(m_finalName, RandomPart());
            CleanupSignalsBlocked blocked;
            // Created with the mode any new file gets here (umask, default ACLs): the descriptor may write even
            // when that mode is read-only.
            m_descriptor
                = ::openat(m_folder, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0666);
            if (m_descriptor >= 0) {
                m_temporaryName = std::move(name);
                m_ticket = RegisterTemporary(m_folder, m_temporaryName);
                break;
            }
            if (errno != EEXIST) {
                return FileProblem::FromErrno(errno);
            }
        }
        if (m_descriptor < 0) {
            return FileProblem::FromErrno(EEXIST);
        }
        struct stat status { };
        if (::fstat(m_descriptor, &status) != 0) {
            return FileProblem::FromErrno(errno);
        }
        m_normalMode = status.st_mode & 07777;
        return std::nullopt;
    }

    int descriptor() const { return m_descriptor; }

    std::string temporaryPath() const { return (std::filesystem::path(m_folderPath) / m_temporaryName).string(); }

    // A library opening the temporary by name must be able to write it, even under a umask such as 0222.
    FileStep makeOwnerWritable()
    {
        const mode_t writable = m_normalMode | S_IRUSR | S_IWUSR;
        if (writable != m_normalMode && ::fchmod(m_descriptor, writable) != 0) {
            return FileProblem::FromErrno(errno);
        }
        return std::nullopt;
    }

    // The library may have replaced the file under that name: sync and finish whatever now bears it.
    FileStep reopenByName()
    {
        ::close(m_descriptor);
        m_descriptor = ::openat(m_folder, m_temporaryName.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY);
        if (m_descriptor < 0) {
            return FileProblem::FromErrno(errno);
        }
        struct stat status { };
        if (::fstat(m_descriptor, &status) != 0) {
            return FileProblem::FromErrno(errno);
        }
        if (!S_ISREG(status.st_mode)) {
            return FileProblem { "le fichier écrit n'est pas un fichier ordinaire", 0 };
        }
        return std::nullopt;
    }

    FileStep commit()
    {
        if (int error = RetryingFsync(m_descriptor)) {
            return FileProblem::FromErrno(error);
        }
        if (m_options.check) {
            if (FileStep problem = m_options.check(temporaryPath())) {
                return problem;
            }
        }
        if (::fchmod(m_descriptor, m_normalMode) != 0) {
            return FileProblem::FromErrno(errno);
        }
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        // Some filesystems (NFS) report a failed write only when the file is closed.
        if (::close(descriptor) != 0 && errno != EINTR) {
            return FileProblem::FromErrno(errno);
        }
        if (FileStep problem = moveIntoPlace()) {
            return problem;
        }
        ForgetTemporary(m_ticket);
        m_ticket = -1;
        m_temporaryName.clear();
        // The name now stands for the complete file; a folder that cannot be synced (EINVAL) keeps it all the same.
        const int error = RetryingFsync(m_folder);
        if (error != 0 && error != EINVAL && error != EROFS) {
            return FileProblem::FromErrno(error);
        }
        return std::nullopt;
    }

private:
    FileStep refuseTakenName() const
    {
        struct stat status { };
        if (::fstatat(m_folder, m_finalName.c_str(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
            return std::nullopt;
        }
        if (S_ISDIR(status.st_mode)) {
            return FileProblem::FromErrno(EISDIR);
        }
        if (m_options.existing == ExistingFile::Keep) {
            return FileProblem::FromErrno(EEXIST);
        }
        return std::nullopt;
    }

    FileStep moveIntoPlace() const
    {
        const char* from = m_temporaryName.c_str();
        const char* to = m_finalName.c_str();
        if (m_options.existing == ExistingFile::Replace) {
            if (::renameat(m_folder, from, m_folder, to) != 0) {
                return FileProblem::FromErrno(errno);
            }
            return std::nullopt;
        }
        if (::renameat2(m_folder, from, m_folder, to, RENAME_NOREPLACE) == 0) {
            return std::nullopt;
        }
        if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP) {
            return FileProblem::FromErrno(errno);
        }
        if (const int error = MoveIntoPlaceByLink(m_folder, from, to)) {
            return FileProblem::FromErrno(error);
        }
        return std::nullopt;
    }

    void abandon()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
            m_descriptor = -1;
        }
        if (!m_temporaryName.empty()) {
            ::unlinkat(m_folder, m_temporaryName.c_str(), 0);
            ForgetTemporary(m_ticket);
            m_temporaryName.clear();
        }
        if (m_folder >= 0) {
            ::close(m_folder);
            m_folder = -1;
        }
    }

    const std::filesystem::path& m_file;
    const AtomicWriteOptions& m_options;
    std::string m_finalName;
    std::string m_folderPath;
    std::string m_temporaryName;
    int m_folder = -1;
    int m_descriptor = -1;
    int m_ticket = -1;
    mode_t m_normalMode = 0644;
};

WriteOutcome Finish(const std::filesystem::path& file, const FileStep& problem, const AtomicWriteOptions& options)
{
    return problem ? WriteOutcome(WriteRefusal(file, *problem, options.wording)) : WriteOutcome();
}

// Leaves the byte count on a UTF-8 character boundary at or below limit.
std::size_t Utf8Prefix(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit) {
        return text.size();
    }
    std::size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return end;
}

} // namespace

Refusal WriteRefusal(const std::filesystem::path& file, const FileProblem& problem, const WriteRefusalWording& wording)
{
    if (!wording) {
        return CannotSave(file, problem);
    }
    return Refusal::Saying(wording(problem.reason)).causedBy(problem.errorNumber);
}

std::string TemporaryNameFor(std::string_view finalName, std::string_view random)
{
    const std::size_t dot = finalName.rfind('.');
    std::string_view stem = finalName;
    std::string_view extension;
    // The extension stays last, for libraries that pick a format from it; a leading dot marks no extension.
    if (dot != std::string_view::npos && dot > 0 && finalName.size() - dot <= kMaxKeptExtension) {
        stem = finalName.substr(0, dot);
        extension = finalName.substr(dot);
    }
    const std::size_t fixed = 2 + random.size() + extension.size();
    const std::size_t room = kMaxNameBytes > fixed ? kMaxNameBytes - fixed : 0;
    std::string name = ".";
    name += stem.substr(0, Utf8Prefix(stem, room));
    name += '.';
    name += random;
    name += extension;
    return name;
}

int MoveIntoPlaceByLink(int folderDescriptor, const char* from, const char* to)
{
    if (::linkat(folderDescriptor, from, folderDescriptor, to, 0) != 0) {
        return errno;
    }
    // The file is in place; a temporary name left as a second link would be harmless, so its removal may fail.
    ::unlinkat(folderDescriptor, from, 0);
    return 0;
}

FileStep WriteAll(int descriptor, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return FileProblem::FromErrno(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return std::nullopt;
}

WriteOutcome WriteFileAtomically(
    const std::filesystem::path& file, std::string_view bytes, const AtomicWriteOptions& options)
{
    return WriteFileThroughDescriptor(
        file, [bytes](int descriptor) { return WriteAll(descriptor, bytes); }, options);
}

WriteOutcome WriteFileThroughDescriptor(const std::filesystem::path& file,
    const std::function<FileStep(int descriptor)>& write, const AtomicWriteOptions& options)
{
    AtomicWrite run(file, options);
    FileStep problem = run.open();
    if (!problem) {
        problem = write(run.descriptor());
    }
    if (!problem) {
        problem = run.commit();
    }
    return Finish(file, problem, options);
}

WriteOutcome WriteFileByName(const std::filesystem::path& file,
    const std::function<FileStep(const std::string& temporaryPath)>& write, const AtomicWriteOptions& options)
{
    AtomicWrite run(file, options);
    FileStep problem = run.open();
    if (!problem) {
        problem = run.makeOwnerWritable();
    }
    if (!problem) {
        problem = write(run.temporaryPath());
    }
    if (!problem) {
        problem = run.reopenByName();
    }
    if (!problem) {
        problem = run.commit();
    }
    return Finish(file, problem, options);
}

} // namespace ornal
