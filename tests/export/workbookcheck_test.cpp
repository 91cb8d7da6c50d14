#include "export/workbookcheck.h"

#include "export/workbookwriter.h"
#include "filetesting.h"

#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace ornal {
namespace {

const std::string kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";
const std::string kSheet = kDeclaration
    + "<worksheet xmlns=\"x\"><sheetData><row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>"
    + "</row></sheetData></worksheet>\n";
const std::string kTypes = kDeclaration + "<Types xmlns=\"t\"><Default Extension=\"xml\"/></Types>";

// One member of a hand-built archive, with what to spoil in its directory entry.
struct Member {
    std::string name;
    std::string content;
    bool deflated = false;
    std::uint32_t crcChange = 0; // xored into the CRC the directory announces
    std::int64_t sizeChange = 0; // added to the size the directory announces
    std::size_t cut = 0; // compressed bytes dropped from the end of the data
};

void put(std::string& out, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::string rawDeflate(const std::string& text)
{
    z_stream stream {};
    EXPECT_EQ(deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// A zip archive as the format lays it out: local headers and data, the central directory, the end record.
std::string BuildZip(const std::vector<Member>& members)
{
    std::string archive;
    std::string directory;
    for (const Member& member : members) {
        const auto offset = static_cast<std::uint32_t>(archive.size());
        std::string data = member.deflated ? rawDeflate(member.content) : member.content;
        data.resize(data.size() - member.cut);
        const std::uint32_t crc
            = static_cast<std::uint32_t>(crc32(
                  0, reinterpret_cast<const Bytef*>(member.content.data()), static_cast<uInt>(member.content.size())))
            ^ member.crcChange;
        const auto size
            = static_cast<std::uint32_t>(static_cast<std::int64_t>(member.content.size()) + member.sizeChange);
        const auto compressed = static_cast<std::uint32_t>(data.size());
        const std::uint32_t method = member.deflated ? 8 : 0;
        const auto nameSize = static_cast<std::uint32_t>(member.name.size());

        put(archive, 0x04034b50, 4);
        for (const auto& [value, width] : { std::pair { 20u, 2 }, { 0u, 2 }, { method, 2 }, { 0u, 4 }, { crc, 4 },
                 { compressed, 4 }, { size, 4 }, { nameSize, 2 }, { 0u, 2 } }) {
            put(archive, value, width);
        }
        archive += member.name + data;

        put(directory, 0x02014b50, 4);
        for (const auto& [value, width] :
            { std::pair { 20u, 2 }, { 20u, 2 }, { 0u, 2 }, { method, 2 }, { 0u, 4 }, { crc, 4 }, { compressed, 4 },
                { size, 4 }, { nameSize, 2 }, { 0u, 2 }, { 0u, 2 }, { 0u, 2 }, { 0u, 2 }, { 0u, 4 }, { offset, 4 } }) {
            put(directory, value, width);
        }
        directory += member.name;
    }
    const auto count = static_cast<std::uint32_t>(members.size());
    const auto directoryStart = static_cast<std::uint32_t>(archive.size());
    archive += directory;
    put(archive, 0x06054b50, 4);
    for (const auto& [value, width] : { std::pair { 0u, 2 }, { 0u, 2 }, { count, 2 }, { count, 2 },
             { static_cast<std::uint32_t>(directory.size()), 4 }, { directoryStart, 4 }, { 0u, 2 } }) {
        put(archive, value, width);
    }
    return archive;
}

// bytes with the one at `at` changed.
std::string Spoiled(std::string bytes, std::size_t at)
{
    bytes[at] ^= 0x20;
    return bytes;
}

std::filesystem::path WriteFile(const std::filesystem::path& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
    return file;
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

struct ArchiveCase {
    std::string label;
    std::string bytes;
    // Nothing for a whole archive; else the part the report must name, or "" for a fault of the archive itself.
    std::optional<std::string> faultyPart;
    // Words the report must hold, when the case pins them down.
    std::string mention {};
};

void PrintTo(const ArchiveCase& archive, std::ostream* out)
{
    *out << archive.label;
}

class FindDamagedPartTest : public testing::TestWithParam<ArchiveCase> { };

TEST_P(FindDamagedPartTest, ReportsTheFirstFaultyPartOrTheArchive)
{
    ScratchFolder folder;
    const std::optional<std::string> found
        = FindDamagedPart(WriteFile(folder.path() / "classeur.xlsx", GetParam().bytes));
    const std::optional<std::string>& faulty = GetParam().faultyPart;
    if (!faulty) {
        EXPECT_EQ(found, std::nullopt) << *found;
    } else if (faulty->empty()) {
        ASSERT_TRUE(found.has_value());
        EXPECT_NE(found->rfind("partie ", 0), 0u) << *found;
    } else {
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->rfind("partie " + *faulty + " : ", 0), 0u) << *found;
    }
    if (found) {
        EXPECT_NE(found->find(GetParam().mention), std::string::npos) << *found;
    }
}

const std::string kSheetName = "xl/worksheets/sheet1.xml";
const std::string kTypesName = "[Content_Types].xml";

INSTANTIATE_TEST_SUITE_P(HandBuilt, FindDamagedPartTest,
    testing::Values(
        ArchiveCase { "StoredAndWhole", BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet } }), std::nullopt },
        ArchiveCase { "DeflatedAndWhole", BuildZip({ { kTypesName, kTypes, true }, { kSheetName, kSheet, true } }),
            std::nullopt },
        ArchiveCase { "SelfClosedRootAndComment",
            BuildZip({ { "_rels/.rels", kDeclaration + "<!-- vide -->\n<Relationships xmlns=\"r\"/>\n" } }),
            std::nullopt },
        ArchiveCase { "NotXmlIsOnlyCounted", BuildZip({ { "xl/media/image1.png", "\x89PNG..." } }), std::nullopt },
        ArchiveCase { "RootNotClosed",
            BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet.substr(0, kSheet.size() - 20) } }), kSheetName },
        ArchiveCase { "RootNeverOpened", BuildZip({ { kSheetName, kDeclaration } }), kSheetName },
        // Line 1 is the declaration, 2 opens Types, 3 opens Default, and 4 closes Types over it.
        ArchiveCase { "EndTagOfAnotherElement",
            BuildZip({ { kTypesName, kDeclaration + "<Types xmlns=\"t\">\n<Default>\n</Types>\n" } }), kTypesName,
            "XML mal formé à la ligne 4" },
        // U+FFFE in UTF-8, which XML forbids, inside a shared text on line 2.
        ArchiveCase { "ForbiddenCharacter",
            BuildZip(
                { { "xl/sharedStrings.xml", kDeclaration + "<sst xmlns=\"s\"><si><t>x\xEF\xBF\xBEy</t></si></sst>" } }),
            "xl/sharedStrings.xml", "ligne 2" },
        ArchiveCase { "LatinOneByte",
            BuildZip({ { "xl/sharedStrings.xml", kDeclaration + "<sst xmlns=\"s\"><si><t>\xE9t\xE9</t></si></sst>" } }),
            "xl/sharedStrings.xml", "ligne 2" },
        ArchiveCase { "ContentAfterTheRoot", BuildZip({ { kTypesName, kTypes + "<Types/>" } }), kTypesName,
            "contenu après la fin de l'élément racine" },
        ArchiveCase { "DeflatedXmlCutShortButConsistent",
            BuildZip({ { kTypesName, kTypes, true }, { kSheetName, kSheet.substr(0, kSheet.size() / 2), true } }),
            kSheetName, "XML mal formé" },
        ArchiveCase { "FirstOfTwoFaultsIsNamed",
            BuildZip({ { kTypesName, kTypes.substr(0, 70) }, { kSheetName, kSheet.substr(0, 90) } }), kTypesName },
        ArchiveCase { "StoredPartShorterThanAnnounced",
            BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet, false, 0, 12 } }), kSheetName },
        ArchiveCase { "DeflatedPartLongerThanAnnounced",
            BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet, true, 0, -1 } }), kSheetName },
        ArchiveCase { "DeflatedDataCutShort", BuildZip({ { kSheetName, kSheet, true, 0, 0, 5 } }), kSheetName },
        ArchiveCase {
            "WrongCrc", BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet, false, 0x100 } }), kSheetName, "CRC" },
        ArchiveCase { "WrongCrcOfADeflatedPart", BuildZip({ { kTypesName, kTypes, true, 0x1 } }), kTypesName, "CRC" },
        // The first local header's name starts after its 30 fixed bytes: the archive no longer agrees with itself.
        ArchiveCase {
            "LocalHeaderOfAnotherName", Spoiled(BuildZip({ { kSheetName, kSheet } }), 30), "", "incohérente" },
        ArchiveCase { "NoPartAtAll", BuildZip({}), "" },
        ArchiveCase {
            "ArchiveCutBeforeItsEnd", BuildZip({ { kTypesName, kTypes }, { kSheetName, kSheet } }).substr(0, 150), "" },
        ArchiveCase { "NotAZip", kSheet, "", "pas une archive zip" }, ArchiveCase { "EmptyFile", "", "" }),
    [](const testing::TestParamInfo<ArchiveCase>& info) { return info.param.label; });

TEST(FindDamagedPart, AMissingFileIsReported)
{
    ScratchFolder folder;
    EXPECT_TRUE(FindDamagedPart(folder.path() / "absent.xlsx").has_value());
}

// Workbooks as the export writes them: whole they pass, spoiled they do not.
class WrittenWorkbookTest : public testing::Test {
protected:
    void SetUp() override
    {
        SheetLayout sheet;
        for (int row = 1; row <= 2000; ++row) {
            sheet.cells.push_back({ row, 1, "-" + std::to_string(row) + "-" + std::to_string(row * 7 % 13) + "-", {} });
        }
        sheet.lastRow = 2000;
        const Result<void> written = WriteWorkbook(sheet, m_file);
        ASSERT_TRUE(written) << written.refusal().text();
        m_bytes = ReadFile(m_file);
        ASSERT_GT(m_bytes.size(), 1000u);
    }

    ScratchFolder m_folder;
    std::filesystem::path m_file = m_folder.path() / "classeur.xlsx";
    std::string m_bytes;
};

TEST_F(WrittenWorkbookTest, PassesWhole)
{
    EXPECT_EQ(FindDamagedPart(m_file), std::nullopt);
}

TEST_F(WrittenWorkbookTest, FailsWithAByteChangedAnywhereInItsData)
{
    // Spread over the local parts of the file, the directory and the end record left alone.
    for (const double place : { 0.1, 0.3, 0.5, 0.7 }) {
        std::string spoiled = m_bytes;
        spoiled[static_cast<std::size_t>(static_cast<double>(spoiled.size()) * place)] ^= 0x5A;
        EXPECT_TRUE(FindDamagedPart(WriteFile(m_file, spoiled)).has_value()) << place;
    }
}

TEST_F(WrittenWorkbookTest, FailsCutShort)
{
    for (const std::size_t kept : { m_bytes.size() - 1, m_bytes.size() / 2, std::size_t { 10 } }) {
        EXPECT_TRUE(FindDamagedPart(WriteFile(m_file, m_bytes.substr(0, kept))).has_value()) << kept;
    }
}

} // namespace
} // namespace ornal
