#pragma once

#include "engine/combinationlist.h"
#include "files/atomicwriter.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace ornal {

// The list as French spreadsheets open a CSV file by a double click: UTF-8 with a byte-order mark, ";" between
// fields, CRLF at the end of each row; a header row "Combinaison;Cheval 1;...;Cheval k" (k the most numbers a line
// holds), then per line its text and each of its numbers in their order.
std::string CsvText(const CombinationList& list);

// text as one CSV field: as it is, or between double quotes (inner ones doubled) when it holds ";", a double quote
// or a line end. A text a spreadsheet application would run as a formula (it starts with "=", "+", "@", a tab, a
// carriage return, or a "-" followed by something else than letters, digits, blanks and the punctuation
// -_.,;"') gets a leading apostrophe inside the quotes, so that it opens as text.
std::string CsvField(std::string_view text);

// Writes CsvText(list) as file, whole or not at all; an existing file is refused unless existing is Replace.
WriteOutcome WriteCsvFile(
    const std::filesystem::path& file, const CombinationList& list, ExistingFile existing = ExistingFile::Keep);

} // namespace ornal
