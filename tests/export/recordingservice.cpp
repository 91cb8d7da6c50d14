#include "recordingservice.h"

#include <array>
#include <new>
#include <utility>

namespace ornal {

namespace {

std::string show(const PropertyValue& value)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        return *text;
    }
    if (const auto* flag = std::get_if<bool>(&value)) {
        return *flag ? "true" : "false";
    }
    return std::to_string(std::get<std::int16_t>(value));
}

constexpr std::array kFontNames = { "Name", "FontStyle", "Size", "Strikethrough", "Superscript", "Subscript",
    "OutlineFont", "Shadow", "Underline", "ColorIndex" };
constexpr std::array kBorderNames = { "LineStyle", "Weight", "ColorIndex" };
constexpr std::array kInteriorNames = { "ColorIndex", "Pattern", "PatternColorIndex" };

} // namespace

RecordingService::RecordingService(const ExportRequest& request)
    : inner(request)
{
}

bool RecordingService::note(std::string text, ServiceError& refusal)
{
    const bool refuse = !failOn.empty() && text == failOn;
    calls.push_back(std::move(text));
    if (refuse && runOutOfMemory) {
        throw std::bad_alloc();
    }
    if (refuse) {
        refusal = { failNumber, "Refus simulé de " + calls.back() };
    }
    return !refuse;
}

#define RECORD(text)                                                                                                   \
    if (ServiceError refusal; !note(text, refusal)) {                                                                  \
        return refusal;                                                                                                \
    }

ServiceError RecordingService::WorkbooksCount(int& count)
{
    RECORD("Workbooks.Count");
    return inner.WorkbooksCount(count);
}

ServiceError RecordingService::WorkbooksAdd()
{
    RECORD("Workbooks.Add");
    return inner.WorkbooksAdd();
}

ServiceError RecordingService::SetActiveSheetName(std::string_view name)
{
    RECORD("ActiveSheet.Name=" + std::string(name));
    return inner.SetActiveSheetName(name);
}

ServiceError RecordingService::Rows(std::string_view reference, CellRange& range)
{
    RECORD("Rows(" + std::string(reference) + ")");
    return inner.Rows(reference, range);
}

ServiceError RecordingService::Range(std::string_view reference, CellRange& range)
{
    RECORD("Range(" + std::string(reference) + ")");
    return inner.Range(reference, range);
}

ServiceError RecordingService::Columns(std::string_view reference, CellRange& range)
{
    RECORD("Columns(" + std::string(reference) + ")");
    return inner.Columns(reference, range);
}

ServiceError RecordingService::Select(const CellRange& range)
{
    RECORD("Select");
    return inner.Select(range);
}

ServiceError RecordingService::SetSelectionFont(FontProperty property, const PropertyValue& value)
{
    RECORD(std::string("Font.") + kFontNames[static_cast<std::size_t>(property)] + "=" + show(value));
    return inner.SetSelectionFont(property, value);
}

ServiceError RecordingService::SetSelectionBorder(std::int16_t index, BorderProperty property, std::int16_t value)
{
    RECORD("Borders(" + std::to_string(index) + ")." + kBorderNames[static_cast<std::size_t>(property)] + "="
        + std::to_string(value));
    return inner.SetSelectionBorder(index, property, value);
}

ServiceError RecordingService::SetSelectionInterior(InteriorProperty property, std::int16_t value)
{
    RECORD(std::string("Interior.") + kInteriorNames[static_cast<std::size_t>(property)] + "=" + std::to_string(value));
    return inner.SetSelectionInterior(property, value);
}

ServiceError RecordingService::SelectionEntireRowInsert()
{
    RECORD("EntireRow.Insert");
    return inner.SelectionEntireRowInsert();
}

ServiceError RecordingService::activecell(CellRange& cell)
{
    RECORD("activecell");
    return inner.activecell(cell);
}

ServiceError RecordingService::Offset(const CellRange& cell, std::int16_t first, std::int16_t second, CellRange& result)
{
    RECORD("Offset(" + std::to_string(first) + "," + std::to_string(second) + ")");
    return inner.Offset(cell, first, second, result);
}

ServiceError RecordingService::SetValue(const CellRange& range, std::string_view text)
{
    RECORD("Value=" + std::string(text));
    return inner.SetValue(range, text);
}

ServiceError RecordingService::SetHorizontalAlignment(const CellRange& range, std::int16_t alignment)
{
    RECORD("HorizontalAlignment=" + std::to_string(alignment));
    return inner.SetHorizontalAlignment(range, alignment);
}

ServiceError RecordingService::SetVisible(bool visible)
{
    RECORD(std::string("Visible=") + (visible ? "true" : "false"));
    return inner.SetVisible(visible);
}

ServiceError RecordingService::EntireColumnAutoFit(const CellRange& range)
{
    RECORD("EntireColumn.AutoFit");
    return inner.EntireColumnAutoFit(range);
}

ServiceError RecordingService::Release(std::string& writtenPath)
{
    RECORD("Release");
    return inner.Release(writtenPath);
}

#undef RECORD

} // namespace ornal
