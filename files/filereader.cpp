#include "files/filereader.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace ornal {

namespace {

constexpr std::size_t kChunk = 64 * 1024;

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int descriptor)
        : m_descriptor(descriptor)
    {
    }
    ~Descriptor()
    {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_descriptor; }

private:
    int m_descriptor;
};

std::string Grouped(std::size_t value)
{
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, " ");
    }
    return digits;
}

FileProblem NotRegular(mode_t mode)
{
    if (S_ISDIR(mode)) {
        return FileProblem::FromErrno(EISDIR);
    }
    return { "ce n'est pas un fichier ordinaire", 0 };
}

// Whether descriptor is a file of the kernel's own (/proc, /sys): its errors say nothing of a disk.
bool OnKernelFileSystem(int descriptor)
{
    struct statfs system { };
    if (::fstatfs(descriptor, &system) != 0) {
        return false;
    }
    return system.f_type == PROC_SUPER_MAGIC || system.f_type == SYSFS_MAGIC || system.f_type == DEBUGFS_MAGIC;
}

FileProblem TooLarge(std::size_t maxBytes)
{
    return { "le fichier dépasse " + SizeText(maxBytes), EFBIG };
}

} // namespace

std::string SizeText(std::size_t bytes)
{
    constexpr std::size_t kKilo = 1024;
    if (bytes >= kKilo * kKilo && bytes % (kKilo * kKilo) == 0) {
        return Grouped(bytes / (kKilo * kKilo)) + " Mo";
    }
    if (bytes >= kKilo && bytes % kKilo == 0) {
        return Grouped(bytes / kKilo) + " ko";
    }
    return Grouped(bytes) + (bytes < 2 ? " octet" : " octets");
}

ReadOutcome ReadFileLimited(const std::filesystem::path& file, std::size_t maxBytes)
{
    // Looking before opening keeps devices from being opened at all (opening some has effects of its own).
    struct stat status { };
    if (::stat(file.c_str(), &status) != 0) {
        return CannotOpen(file, FileProblem::FromErrno(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return CannotOpen(file, NotRegular(status.st_mode));
    }
    // O_NONBLOCK: a pipe put in the file's place since the look opens without waiting for a writer.
    const Descriptor descriptor(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (descriptor.get() < 0) {
        return CannotOpen(file, FileProblem::FromErrno(errno));
    }
    if (::fstat(descriptor.get(), &status) != 0) {
        return CannotOpen(file, FileProblem::FromErrno(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return CannotOpen(file, NotRegular(status.st_mode));
    }
    if (status.st_size < 0 || static_cast<unsigned long long>(status.st_size) > maxBytes) {
        return CannotOpen(file, TooLarge(maxBytes));
    }
    const int flags = ::fcntl(descriptor.get(), F_GETFL);
    if (flags < 0 || ::fcntl(descriptor.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return CannotOpen(file, FileProblem::FromErrno(errno));
    }

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(status.st_size));
    // A file that grows while it is read is still held to maxBytes: one byte past it is enough to refuse.
    const std::size_t limit = maxBytes == static_cast<std::size_t>(-1) ? maxBytes : maxBytes + 1;
    while (bytes.size() < limit) {
        const std::size_t want = std::min(kChunk, limit - bytes.size());
        const std::size_t had = bytes.size();
        bytes.resize(had + want);
        const ssize_t got = ::read(descriptor.get(), bytes.data() + had, want);
        if (got < 0) {
            const int error = errno;
            bytes.resize(had);
            if (error == EINTR) {
                continue;
            }
            // /proc/self/mem and its kind look like ordinary files but cannot be read from their start.
            if (OnKernelFileSystem(descriptor.get())) {
                return CannotOpen(file, { "ce n'est pas un fichier ordinaire", error });
            }
            return CannotOpen(file, FileProblem::FromErrno(error));
        }
        bytes.resize(had + static_cast<std::size_t>(got));
        if (got == 0) {
            break;
        }
    }
    if (bytes.size() > maxBytes) {
        return CannotOpen(file, TooLarge(maxBytes));
    }
    return bytes;
}

} // namespace ornal
