#include "export/exportcommand.h"
#include "testsupport.h"

#include "export/workbookcheck.h"
#include "filetesting.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace ornal {
namespace {

constexpr LocalDateTime kMoment { 2026, 12, 7, 5, 52, 8 };

CombinationList TwoLines()
{
    CombinationList list;
    list.append("-3-7-");
    list.append("-3-12-");
    return list;
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

// An export into a test folder whose opener only notes what it was asked to open.
struct Export {
    ScratchFolder folder;
    CombinationList list = TwoLines();
    std::vector<std::filesystem::path> opened;
    std::optional<std::string> openFailure;

    ExportRequest request()
    {
        ExportRequest r { .list = list, .selectionText = "-3-7-12" };
        r.folder = folder.path();
        r.moment = kMoment;
        r.open = [this](const std::filesystem::path& file) {
            opened.push_back(file);
            return openFailure;
        };
        return r;
    }
};

TEST(ExportCombinationList, AnEmptyListShowsTheInformationAndTouchesNothing)
{
    Export e;
    e.list.clear();
    const ExportOutcome outcome = ExportCombinationList(e.request());
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->message,
        (Message { "Liste vide.\rExport vers Microsoft Excel annulé.", MessageIcon::Information, "Ornal" }));
    EXPECT_FALSE(outcome.selectedLine);
    EXPECT_TRUE(e.opened.empty());
    EXPECT_TRUE(std::filesystem::is_empty(e.folder.path()));
}

TEST(ExportCombinationList, WritesADatedWorkbookInTheFolderAndOpensIt)
{
    Export e;
    const ExportOutcome outcome = ExportCombinationList(e.request());
    ASSERT_TRUE(outcome.written()) << (outcome.refusal ? outcome.refusal->text() : "");
    EXPECT_FALSE(outcome.refusal);
    EXPECT_EQ(outcome.path, e.folder.path() / "Ornal_2026-12-07_05-52-08.xlsx");
    EXPECT_EQ(e.opened, std::vector { outcome.path });
    EXPECT_EQ(outcome.selectedLine, 1u);
    // A workbook is a zip archive.
    EXPECT_EQ(ReadFile(outcome.path).substr(0, 2), "PK");
}

TEST(ExportCombinationList, NeverReplacesAnExistingFile)
{
    Export e;
    const std::filesystem::path taken = e.folder.path() / "Ornal_2026-12-07_05-52-08.xlsx";
    std::ofstream(taken) << "à garder";
    const ExportOutcome first = ExportCombinationList(e.request());
    const ExportOutcome second = ExportCombinationList(e.request());
    EXPECT_EQ(first.path, e.folder.path() / "Ornal_2026-12-07_05-52-08_2.xlsx");
    EXPECT_EQ(second.path, e.folder.path() / "Ornal_2026-12-07_05-52-08_3.xlsx");
    EXPECT_EQ(ReadFile(taken), "à garder");

    // A file named by the caller is refused rather than replaced.
    ExportRequest fixed = e.request();
    fixed.file = taken;
    const ExportOutcome refused = ExportCombinationList(fixed);
    EXPECT_FALSE(refused.written());
    ASSERT_TRUE(refused.refusal);
    EXPECT_NE(refused.refusal->text().find(taken.string()), std::string::npos) << refused.refusal->text();
    EXPECT_EQ(ReadFile(taken), "à garder");
}

TEST(ExportCombinationList, AFailureToOpenSaysWhereTheWorkbookIs)
{
    Export e;
    e.openFailure = "aucune application n'est associée aux classeurs .xlsx sur ce poste";
    const ExportOutcome outcome = ExportCombinationList(e.request());
    EXPECT_FALSE(outcome.written());
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->message.title, "F-> : Ornal");
    EXPECT_EQ(outcome.refusal->message.icon, MessageIcon::Critical);
    EXPECT_NE(outcome.refusal->text().find(outcome.path.string()), std::string::npos);
    EXPECT_NE(outcome.refusal->text().find(*e.openFailure), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(outcome.path));
}

TEST(ExportCombinationList, AnUnusableFolderIsReportedAndLeavesNoFile)
{
    for (const char* name : { "absent", "un-fichier" }) {
        Export e;
        std::ofstream(e.folder.path() / "un-fichier") << "x";
        const std::filesystem::path folder = e.folder.path() / name;
        ExportRequest request = e.request();
        request.folder = folder;
        const ExportOutcome outcome = ExportCombinationList(request);
        EXPECT_FALSE(outcome.written()) << name;
        ASSERT_TRUE(outcome.refusal);
        EXPECT_EQ(outcome.refusal->message.title, "F-> : Ornal");
        EXPECT_NE(outcome.refusal->text().find(folder.string()), std::string::npos) << outcome.refusal->text();
        EXPECT_NE(outcome.refusal->text().find("dossier introuvable"), std::string::npos) << outcome.refusal->text();
        EXPECT_TRUE(outcome.path.empty());
        EXPECT_TRUE(e.opened.empty());
    }
}

// stat succeeding on a plain file sets no errno: the reason must not be whatever an earlier call left there.
TEST(FreeWorkbookName, AFileStandingForTheFolderIsAMissingFolderWhateverErrnoHeld)
{
    ScratchFolder scratch;
    const std::filesystem::path notAFolder = scratch.path() / "un-fichier";
    std::ofstream(notAFolder) << "x";
    for (const int leftOver : { 0, EACCES, EIO }) {
        errno = leftOver;
        const Result<std::filesystem::path> file = FreeWorkbookName(notAFolder, LocalDateTime {}, 1);
        ASSERT_FALSE(file) << leftOver;
        EXPECT_NE(file.refusal().text().find("dossier introuvable"), std::string::npos) << file.refusal().text();
    }
}

// The export finds no folder and opens nothing by itself: without a destination it stops before anything.
TEST(ExportCombinationList, WithoutFileOrFolderNothingIsContacted)
{
    Export e;
    ExportRequest request = e.request();
    request.folder.clear();
    const ExportOutcome outcome = ExportCombinationList(request);
    EXPECT_FALSE(outcome.written());
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->text(), "Aucun fichier ni dossier de destination n'a été donné au classeur.");
    EXPECT_EQ(outcome.refusal->message.icon, MessageIcon::Critical);
    EXPECT_FALSE(outcome.selectedLine);
    EXPECT_TRUE(e.opened.empty());
}

// A named file in a folder that is not there: nothing is written, the lines were all laid out.
TEST(ExportCombinationList, ANamedFileThatCannotBeWrittenIsACriticalMessage)
{
    Export e;
    ExportRequest request = e.request();
    request.file = e.folder.path() / "absent" / "classeur.xlsx";
    const ExportOutcome outcome = ExportCombinationList(request);
    EXPECT_FALSE(outcome.written());
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->message.title, "F-> : Ornal");
    EXPECT_EQ(outcome.refusal->message.icon, MessageIcon::Critical);
    EXPECT_NE(outcome.refusal->text().find(request.file.string()), std::string::npos) << outcome.refusal->text();
    EXPECT_EQ(outcome.selectedLine, 1u);
    EXPECT_TRUE(outcome.path.empty());
    EXPECT_TRUE(e.opened.empty());
    EXPECT_TRUE(std::filesystem::is_empty(e.folder.path()));
}

TEST(WorkbookFileName, CarriesTheDateAndTimeAndANumberOnRepeats)
{
    EXPECT_EQ(WorkbookFileName(kMoment), "Ornal_2026-12-07_05-52-08.xlsx");
    EXPECT_EQ(WorkbookFileName(kMoment, 2), "Ornal_2026-12-07_05-52-08_2.xlsx");
    EXPECT_EQ(ShortDate(kMoment), "07/12/2026");
}

} // namespace
} // namespace ornal
