#include "csvfile.h"

#include "linefields.h"

#include <algorithm>
#include <cerrno>
#include <new>

namespace ornal {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";

void AppendField(std::string& text, std::string_view field)
{
    if (field.find_first_of(";\"\r\n") == std::string_view::npos) {
        text += field;
        return;
    }
    text += '"';
    for (const char c : field) {
        text += c;
        if (c == '"') {
            text += '"';
        }
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
    std::string text;
    try {
        text = CsvText(list);
    } catch (const std::bad_alloc&) {
        WriteOutcome outcome;
        outcome.problem = FileProblem::FromErrno(ENOMEM);
        outcome.message = CannotSaveSentence(file, outcome.problem->reason);
        return outcome;
    }
    AtomicWriteOptions options;
    options.existing = existing;
    return WriteFileAtomically(file, text, options);
}

} // namespace ornal
