#include "betting/runnerpaste.h"

namespace ornal {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The next number of line from pos on: digits, then a comma or a full stop with digits after it. Empty at the end.
std::string_view nextNumber(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && !isDigit(line[pos])) {
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < line.size() && isDigit(line[pos])) {
        ++pos;
    }
    if (pos + 1 < line.size() && (line[pos] == ',' || line[pos] == '.') && isDigit(line[pos + 1])) {
        ++pos;
        while (pos < line.size() && isDigit(line[pos])) {
            ++pos;
        }
    }
    return line.substr(start, pos - start);
}

bool blank(std::string_view line)
{
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

} // namespace

PastedRunners ReadRunnerLines(std::string_view text)
{
    PastedRunners pasted;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view {} : text.substr(end + 1);
        ++lineNumber;
        if (blank(line)) {
            continue;
        }
        std::size_t pos = 0;
        const std::optional<int> number = ParseRunnerNumber(nextNumber(line, pos));
        const std::optional<double> odds = number ? ParseOdds(nextNumber(line, pos)) : std::nullopt;
        if (!odds) {
            pasted.unreadableLines.push_back(lineNumber);
            continue;
        }
        pasted.runners.push_back(Runner { *number, *odds });
    }
    return pasted;
}

std::string UnreadableLinesText(const std::vector<int>& lines)
{
    if (lines.empty()) {
        return {};
    }
    std::string text = lines.size() == 1 ? "Ligne illisible : " : "Lignes illisibles : ";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    }
    return text + ".";
}

} // namespace ornal
