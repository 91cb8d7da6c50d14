#include "export/exportcommand.h"

#include "export/workbookservice.h"

#include <cstdint>
#include <initializer_list>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace ornal {

namespace {

constexpr const char* kFailureTitle = "F-> : Ornal";
constexpr const char* kOutOfMemory = "Export interrompu : mémoire insuffisante pour écrire le classeur.";

constexpr std::int16_t kHeaderFill = 19;
constexpr std::int16_t kLineFill = 35;
constexpr std::int16_t kBlockFill = 46;

// Keeps the first refused call; every step stops as soon as there is one.
class Calls {
public:
    explicit Calls(SpreadsheetService& service)
        : m_service(service)
    {
    }

    SpreadsheetService* operator->() { return &m_service; }

    // Whether call went through; the first failure is kept.
    bool ok(ServiceError call)
    {
        if (call && !m_error) {
            m_error = std::move(call);
        }
        return !m_error;
    }

    ServiceError& error() { return m_error; }

private:
    SpreadsheetService& m_service;
    ServiceError m_error;
};

// The ten font writes of the heading font ("Gras", 12) or of the body font ("Normal", 10).
bool applyFont(Calls& calls, const char* style, std::int16_t size)
{
    return calls.ok(calls->SetSelectionFont(FontProperty::Name, std::string("Arial")))
        && calls.ok(calls->SetSelectionFont(FontProperty::FontStyle, std::string(style)))
        && calls.ok(calls->SetSelectionFont(FontProperty::Size, size))
        && calls.ok(calls->SetSelectionFont(FontProperty::Strikethrough, false))
        && calls.ok(calls->SetSelectionFont(FontProperty::Superscript, false))
        && calls.ok(calls->SetSelectionFont(FontProperty::Subscript, false))
        && calls.ok(calls->SetSelectionFont(FontProperty::OutlineFont, false))
        && calls.ok(calls->SetSelectionFont(FontProperty::Shadow, false))
        && calls.ok(calls->SetSelectionFont(FontProperty::Underline, xl::kNone))
        && calls.ok(calls->SetSelectionFont(FontProperty::ColorIndex, xl::kAutomatic));
}

bool applyHeadingFont(Calls& calls)
{
    return applyFont(calls, "Gras", 12);
}

// The frame: no diagonals, thin continuous edges, no inside lines (the horizontal ones only when asked).
bool applyFrame(Calls& calls, bool insideHorizontal)
{
    if (!calls.ok(calls->SetSelectionBorder(xl::kDiagonalDown, BorderProperty::LineStyle, xl::kNone))
        || !calls.ok(calls->SetSelectionBorder(xl::kDiagonalUp, BorderProperty::LineStyle, xl::kNone))) {
        return false;
    }
    for (std::int16_t edge : { xl::kEdgeLeft, xl::kEdgeTop, xl::kEdgeBottom, xl::kEdgeRight }) {
        if (!calls.ok(calls->SetSelectionBorder(edge, BorderProperty::LineStyle, xl::kContinuous))
            || !calls.ok(calls->SetSelectionBorder(edge, BorderProperty::Weight, xl::kThin))
            || !calls.ok(calls->SetSelectionBorder(edge, BorderProperty::ColorIndex, xl::kAutomatic))) {
            return false;
        }
    }
    if (!calls.ok(calls->SetSelectionBorder(xl::kInsideVertical, BorderProperty::LineStyle, xl::kNone))) {
        return false;
    }
    return !insideHorizontal
        || calls.ok(calls->SetSelectionBorder(xl::kInsideHorizontal, BorderProperty::LineStyle, xl::kNone));
}

bool applyFill(Calls& calls, std::int16_t colour)
{
    return calls.ok(calls->SetSelectionInterior(InteriorProperty::ColorIndex, colour))
        && calls.ok(calls->SetSelectionInterior(InteriorProperty::Pattern, xl::kSolid))
        && calls.ok(calls->SetSelectionInterior(InteriorProperty::PatternColorIndex, xl::kAutomatic));
}

// The pieces joined into one text.
std::string join(std::initializer_list<std::string_view> pieces)
{
    std::string text;
    for (std::string_view piece : pieces) {
        text.append(piece);
    }
    return text;
}

// The reference of column A's cell in row: "A" and the row in plain decimal.
std::string columnACell(std::int32_t row)
{
    std::string reference = std::to_string(row);
    reference.insert(reference.begin(), 'A');
    return reference;
}

bool selectRange(Calls& calls, std::string_view reference)
{
    CellRange range;
    return calls.ok(calls->Range(reference, range)) && calls.ok(calls->Select(range));
}

// Steps 8 to 10: a blank row on top, text into A1, heading font on the selection.
bool insertHeadingLine(Calls& calls, const std::string& text)
{
    CellRange a1;
    return selectRange(calls, "A1") && calls.ok(calls->SelectionEntireRowInsert()) && calls.ok(calls->Range("A1", a1))
        && calls.ok(calls->SetValue(a1, text)) && applyHeadingFont(calls);
}

bool openSheet(Calls& calls)
{
    int count = 0;
    if (!calls.ok(calls->WorkbooksCount(count))) {
        return false;
    }
    return count != 0 || (calls.ok(calls->WorkbooksAdd()) && calls.ok(calls->SetActiveSheetName("Ornal")));
}

bool writeHeaderRow(Calls& calls)
{
    CellRange row;
    CellRange cell;
    return calls.ok(calls->Rows("2:2", row)) && calls.ok(calls->Select(row)) && applyHeadingFont(calls)
        && applyFrame(calls, false) && applyFill(calls, kHeaderFill) && calls.ok(calls->activecell(cell))
        && calls.ok(calls->SetValue(cell, "Les Jeux"));
}

bool writeLines(Calls& calls, const CombinationList& list, ExportOutcome& outcome)
{
    // A 32-bit counter: the largest list ends in row 77,522, far past what 16 bits hold.
    std::int32_t row = 3;
    if (!selectRange(calls, "A1") || !calls.ok(calls->SetVisible(true)) || !selectRange(calls, columnACell(row))) {
        return false;
    }
    std::string text;
    const CombinationList::Count count = list.size();
    for (CombinationList::Count i = 0; i < count; ++i) {
        outcome.selectedLine = i;
        text.assign(1, ' ');
        text.append(list.line(i));
        CellRange cell;
        if (!calls.ok(calls->activecell(cell)) || !calls.ok(calls->SetValue(cell, text)) || !applyHeadingFont(calls)
            || !applyFill(calls, kLineFill)) {
            return false;
        }
        ++row;
        if (!selectRange(calls, columnACell(row))) {
            return false;
        }
    }
    return true;
}

// The signature goes where the service's Offset(1, 3) puts it, aligned to the right of its cell so that it runs
// over the empty cells on its left rather than past the used columns; the notes follow it, one a row in column A.
bool writeSignature(Calls& calls, std::string_view date, const std::vector<std::string>& notes)
{
    CellRange below;
    CellRange signature;
    if (!calls.ok(calls->activecell(below)) || !calls.ok(calls->Offset(below, 1, 3, signature))
        || !calls.ok(calls->SetValue(signature, join({ "Galopia Le : ", date })))
        || !calls.ok(calls->SetHorizontalAlignment(signature, xl::kRight))) {
        return false;
    }
    std::int32_t row = signature.firstRow;
    for (const std::string& note : notes) {
        CellRange cell;
        if (!calls.ok(calls->Range(columnACell(++row), cell)) || !calls.ok(calls->SetValue(cell, note))) {
            return false;
        }
    }
    return true;
}

bool writeHeadingBlock(Calls& calls, const ExportRequest& request)
{
    const std::string count = std::to_string(request.list.size());
    if (!insertHeadingLine(calls, join({ " Nombre de combinaisons : ", count }))
        || !insertHeadingLine(calls, join({ " La sélection : ", request.selectionText }))
        || !insertHeadingLine(calls, join({ " ", request.baseText, " " }))
        || !insertHeadingLine(calls, join({ " ", request.caption }))) {
        return false;
    }
    // The block's own format comes last, so rows 1 to 4 end in the body font.
    return selectRange(calls, "A1:B4") && applyFont(calls, "Normal", 10) && applyFrame(calls, true)
        && applyFill(calls, kBlockFill);
}

bool fitColumnA(Calls& calls)
{
    CellRange column;
    return calls.ok(calls->Columns("A:A", column)) && calls.ok(calls->EntireColumnAutoFit(column));
}

ExportOutcome failed(ExportOutcome outcome, long number, std::string description)
{
    outcome.status = ExportOutcome::Status::Failed;
    outcome.errorNumber = number;
    outcome.message = Message { std::move(description), MessageIcon::Critical, kFailureTitle };
    return outcome;
}

} // namespace

Message EmptyListExportMessage()
{
    return { "Liste vide.\rExport vers Microsoft Excel annulé.", MessageIcon::Information, "Ornal" };
}

ExportOutcome RunExportCalls(SpreadsheetService& service, const ExportRequest& request)
{
    ExportOutcome outcome;
    try {
        Calls calls(service);
        const std::string date = ShortDate(request.moment.value_or(CurrentLocalDateTime()));
        const bool done = openSheet(calls) && writeHeaderRow(calls) && writeLines(calls, request.list, outcome)
            && writeSignature(calls, date, request.notes) && writeHeadingBlock(calls, request) && fitColumnA(calls);
        std::string writtenPath;
        if (done) {
            calls.ok(service.Release(writtenPath));
        }
        outcome.path = writtenPath;
        // Every failure is shown, whatever its number: an export that stopped must never pass for one that ended.
        if (ServiceError& error = calls.error()) {
            return failed(std::move(outcome), error.number, std::move(error.description));
        }
        outcome.status = ExportOutcome::Status::Written;
        return outcome;
    } catch (const std::bad_alloc&) {
        return failed(std::move(outcome), serviceerror::kOutOfMemory, kOutOfMemory);
    }
}

ExportOutcome ExportCombinationList(const ExportRequest& request)
{
    if (request.list.empty()) {
        ExportOutcome outcome;
        outcome.status = ExportOutcome::Status::EmptyList;
        outcome.message = EmptyListExportMessage();
        return outcome;
    }
    if (request.file.empty() && request.folder.empty()) {
        return failed(
            {}, serviceerror::kFileAccess, "Aucun fichier ni dossier de destination n'a été donné au classeur.");
    }
    // The service, and the sheet it holds, is gone by the time a shortage is reported: the message has room.
    try {
        ExportRequest dated = request;
        if (!dated.moment) {
            dated.moment = CurrentLocalDateTime();
        }
        const std::unique_ptr<SpreadsheetService> service
            = dated.createService ? dated.createService(dated) : std::make_unique<WorkbookService>(dated);
        if (!service) {
            return failed({}, serviceerror::kCannotCreate, "Le service de classeur n'a pas pu être créé.");
        }
        return RunExportCalls(*service, dated);
    } catch (const std::bad_alloc&) {
        return failed({}, serviceerror::kOutOfMemory, kOutOfMemory);
    }
}

} // namespace ornal
