#include "workbookcheck.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <fstream>
#include <string_view>
#include <system_error>

namespace ornal {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054b50;
constexpr std::uint32_t kCentralSignature = 0x02014b50;
constexpr std::uint32_t kLocalSignature = 0x04034b50;
constexpr std::size_t kEndSize = 22;
constexpr std::size_t kCentralSize = 46;
constexpr std::size_t kLocalSize = 30;
constexpr std::size_t kMaxCommentSize = 0xFFFF;
// The root's start tag must lie within the first bytes kept; the library's longest, the worksheet's with its
// name spaces, takes a few hundred.
constexpr std::size_t kHeadSize = 4096;
// Enough to hold any root's closing tag with the blanks that may follow it.
constexpr std::size_t kTailSize = 512;

std::uint32_t readLittle(std::string_view bytes, std::size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

std::uint32_t read16(std::string_view bytes, std::size_t at)
{
    return readLittle(bytes, at, 2);
}
std::uint32_t read32(std::string_view bytes, std::size_t at)
{
    return readLittle(bytes, at, 4);
}

struct Entry {
    std::string name;
    std::uint32_t flags = 0;
    std::uint32_t method = 0;
    std::uint32_t crc = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t size = 0;
    std::uint32_t localOffset = 0;
};

// What a part's inflated bytes show: their count, their CRC, their start and their end.
class PartReader {
public:
    void add(const unsigned char* bytes, std::size_t count)
    {
        m_size += count;
        // crc32 takes a uInt: feed it in pieces that fit.
        for (std::size_t done = 0; done < count;) {
            const auto piece = static_cast<uInt>(std::min<std::size_t>(count - done, UINT_MAX));
            m_crc = crc32(m_crc, bytes + done, piece);
            done += piece;
        }
        const std::string_view text(reinterpret_cast<const char*>(bytes), count);
        if (m_head.size() < kHeadSize) {
            m_head.append(text.substr(0, kHeadSize - m_head.size()));
        }
        m_tail.append(text.substr(count > kTailSize ? count - kTailSize : 0));
        if (m_tail.size() > kTailSize) {
            m_tail.erase(0, m_tail.size() - kTailSize);
        }
    }

    std::uint64_t size() const { return m_size; }
    std::uint32_t crc() const { return static_cast<std::uint32_t>(m_crc); }

    // Why the bytes are no whole XML document, or nothing when they end by closing their root element.
    std::optional<std::string> unclosedRoot() const
    {
        const std::string_view head(m_head);
        std::size_t at = 0;
        // The declaration, processing instructions and comments may come before the root.
        for (;;) {
            at = head.find_first_not_of(" \t\r\n", at);
            if (at == std::string_view::npos || head[at] != '<') {
                return "élément racine absent";
            }
            if (head.compare(at, 2, "<?") == 0) {
                at = head.find("?>", at);
                at = at == std::string_view::npos ? at : at + 2;
            } else if (head.compare(at, 4, "<!--") == 0) {
                at = head.find("-->", at);
                at = at == std::string_view::npos ? at : at + 3;
            } else {
                break;
            }
            if (at == std::string_view::npos) {
                return "élément racine absent";
            }
        }
        const std::size_t nameEnd = head.find_first_of(" \t\r\n/>", at + 1);
        if (nameEnd == std::string_view::npos || nameEnd == at + 1) {
            return "élément racine absent";
        }
        const std::string name(head.substr(at + 1, nameEnd - at - 1));
        std::string_view tail(m_tail);
        const std::size_t last = tail.find_last_not_of(" \t\r\n");
        tail = last == std::string_view::npos ? std::string_view() : tail.substr(0, last + 1);
        const std::string closing = "</" + name + ">";
        if (tail.size() >= closing.size() && tail.substr(tail.size() - closing.size()) == closing) {
            return std::nullopt;
        }
        // A root without content closes itself, and nothing but blanks may follow it.
        const std::size_t tagEnd = head.find('>', nameEnd);
        if (tagEnd != std::string_view::npos && head[tagEnd - 1] == '/' && m_size == m_head.size()
            && head.find_first_not_of(" \t\r\n", tagEnd + 1) == std::string_view::npos) {
            return std::nullopt;
        }
        return "élément racine <" + name + "> non refermé";
    }

private:
    std::uint64_t m_size = 0;
    uLong m_crc = crc32(0, nullptr, 0);
    std::string m_head;
    std::string m_tail;
};

bool isXml(std::string_view name)
{
    const auto endsWith = [name](std::string_view end) {
        return name.size() >= end.size() && name.substr(name.size() - end.size()) == end;
    };
    return endsWith(".xml") || endsWith(".rels");
}

// Inflates or copies data into part; the reason when the data cannot be read.
std::optional<std::string> unpack(const Entry& entry, std::string_view data, PartReader& part)
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    if (entry.method == 0) {
        part.add(bytes, data.size());
        return std::nullopt;
    }
    z_stream stream {};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return "la décompression n'a pas démarré";
    }
    unsigned char buffer[65536];
    stream.next_in = const_cast<unsigned char*>(bytes);
    stream.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        status = inflate(&stream, Z_NO_FLUSH);
        part.add(buffer, sizeof buffer - stream.avail_out);
    }
    inflateEnd(&stream);
    // Data that stop before the stream's end leave inflate with nothing to do: Z_BUF_ERROR.
    if (status != Z_STREAM_END) {
        return "données compressées illisibles ou coupées";
    }
    return std::nullopt;
}

std::optional<std::string> checkPart(std::string_view archive, std::size_t centralStart, const Entry& entry)
{
    const auto fault = [&entry](const std::string& why) { return "partie " + entry.name + " : " + why; };
    if (entry.flags & 1) {
        return fault("chiffrée");
    }
    if (entry.method != 0 && entry.method != Z_DEFLATED) {
        return fault("méthode de compression " + std::to_string(entry.method) + " inconnue");
    }
    const std::size_t local = entry.localOffset;
    if (local + kLocalSize > centralStart || read32(archive, local) != kLocalSignature) {
        return fault("en-tête local absent");
    }
    const std::size_t localName = read16(archive, local + 26);
    if (archive.substr(local + kLocalSize, localName) != entry.name) {
        return fault("en-tête local d'une autre partie");
    }
    const std::size_t dataStart = local + kLocalSize + localName + read16(archive, local + 28);
    if (dataStart > centralStart || entry.compressedSize > centralStart - dataStart) {
        return fault("données hors de l'archive");
    }
    PartReader part;
    if (auto why = unpack(entry, archive.substr(dataStart, entry.compressedSize), part)) {
        return fault(*why);
    }
    if (part.size() != entry.size) {
        return fault(std::to_string(part.size()) + " octets au lieu des " + std::to_string(entry.size) + " annoncés");
    }
    if (part.crc() != entry.crc) {
        return fault("somme de contrôle (CRC) fausse");
    }
    if (isXml(entry.name)) {
        if (auto why = part.unclosedRoot()) {
            return fault(*why);
        }
    }
    return std::nullopt;
}

std::optional<std::string> readWhole(const std::filesystem::path& file, std::string& bytes)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error) {
        return "fichier introuvable ou illisible";
    }
    std::ifstream in(file, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        return "fichier illisible";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FindIncompletePart(const std::filesystem::path& workbook)
{
    std::string bytes;
    if (auto why = readWhole(workbook, bytes)) {
        return why;
    }
    const std::string_view archive(bytes);
    if (archive.empty()) {
        return "fichier vide";
    }
    // The end record sits last, followed only by the archive's comment.
    std::size_t end = std::string_view::npos;
    if (archive.size() >= kEndSize) {
        const std::size_t lowest = archive.size() - kEndSize - std::min(archive.size() - kEndSize, kMaxCommentSize);
        for (std::size_t at = archive.size() - kEndSize + 1; at-- > lowest;) {
            if (read32(archive, at) == kEndSignature) {
                end = at;
                break;
            }
        }
    }
    if (end == std::string_view::npos) {
        return "fin d'archive zip introuvable";
    }
    const std::uint32_t count = read16(archive, end + 10);
    const std::uint32_t centralSize = read32(archive, end + 12);
    const std::uint32_t centralStart = read32(archive, end + 16);
    if (count == 0xFFFF || centralStart == 0xFFFFFFFF) {
        return "archive zip64, non lue";
    }
    if (centralStart > end || centralSize > end - centralStart) {
        return "répertoire central hors de l'archive";
    }
    if (count == 0) {
        return "archive sans aucune partie";
    }
    std::size_t at = centralStart;
    const std::size_t centralEnd = centralStart + centralSize;
    for (std::uint32_t index = 0; index < count; ++index) {
        if (at + kCentralSize > centralEnd || read32(archive, at) != kCentralSignature) {
            return "entrée " + std::to_string(index + 1) + " du répertoire central abîmée";
        }
        const std::size_t nameSize = read16(archive, at + 28);
        const std::size_t next = at + kCentralSize + nameSize + read16(archive, at + 30) + read16(archive, at + 32);
        if (next > centralEnd) {
            return "entrée " + std::to_string(index + 1) + " du répertoire central abîmée";
        }
        const Entry entry { .name = std::string(archive.substr(at + kCentralSize, nameSize)),
            .flags = read16(archive, at + 8),
            .method = read16(archive, at + 10),
            .crc = read32(archive, at + 16),
            .compressedSize = read32(archive, at + 20),
            .size = read32(archive, at + 24),
            .localOffset = read32(archive, at + 42) };
        if (auto why = checkPart(archive, centralStart, entry)) {
            return why;
        }
        at = next;
    }
    return std::nullopt;
}

} // namespace ornal
