#include "export/csvfile.h"

#include "engine/linefields.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace ornal {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";

// A text a spreadsheet application would read as a formula and run when the file is opened. A leading "-" only
// counts when a character follows that a formula needs to call a function, reach another sheet or program, or
// compute ("(", "|", "!", "=", "+", "&"...): every line starts with one, and lines of numbers and names ("-3-7-12-",
// "-Été-b-") stay as they are.
bool readAsFormula(std::string_view field)
{
    if (field.empty() || std::string_view("=+@\t\r").find(field.front()) != std::string_view::npos) {
        return !field.empty();
    }
    return field.front() == '-' && !std::all_of(field.begin(), field.end(), [](char c) {
        const bool letterOrDigit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        return static_cast<unsigned char>(c) >= 0x80 || letterOrDigit
            || std::string_view(" -_.,;\"'").find(c) != std::string_view::npos;
    });
}

void AppendField(std::string& text, std::string_view field)
{
    const bool formula = readAsFormula(field);
    if (!formula && field.find_first_of(";\"\r\n") == std::string_view::npos) {
        text += field;
        return;
    }
    // The apostrophe makes the application take the rest as text.
    text += formula ? "\"'" : "\"";
    for (const char c : field) {
        text.append(c == '"' ? 2 : 1, c);
    }
    text += '"';
}

} // namespace

std::string CsvField(std::string_view text)
{
    std::string field;
    AppendField(field, text);
    return field;
}

std::string CsvText(const CombinationList& list)
{
    std::size_t widest = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        std::size_t numbers = 0;
        ForEachLineNumber(list.line(i), [&numbers](std::string_view) { ++numbers; });
        widest = std::max(widest, numbers);
    }
    std::string text;
    // Each line appears twice (its text, then its numbers) with a separator per number.
    text.reserve(kByteOrderMark.size() + 16 * (widest + 1) + 2 * list.textBytes() + 2 * list.size() * kRowEnd.size());
    text += kByteOrderMark;
    text += "Combinaison";
    for (std::size_t n = 1; n <= widest; ++n) {
        text += ";Cheval ";
        text += std::to_string(n);
    }
    text += kRowEnd;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        AppendField(text, line);
        ForEachLineNumber(line, [&text](std::string_view number) {
            text += ';';
            AppendField(text, number);
        });
        text += kRowEnd;
    }
    return text;
}

WriteOutcome WriteCsvFile(const std::filesystem::path& file, const CombinationList& list, ExistingFile existing)
{
    AtomicWriteOptions options;
    options.existing = existing;
    try {
        return WriteFileAtomically(file, CsvText(list), options);
    } catch (const std::bad_alloc&) {
        return CannotSave(file, FileProblem::FromErrno(ENOMEM));
    }
}

} // namespace ornal
