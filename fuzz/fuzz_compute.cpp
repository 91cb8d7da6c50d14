// ComputeCombinations on fuzzed selections, against an enumeration of its own: the checks in their order with the
// program's messages, SelectionText, and the lines themselves (format, order, bases in their columns, count).

#include "engine/combinationengine.h"
#include "engine/messages.h"
#include "engine/numericvalue.h"
#include "fuzz/fuzzinput.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using ornal::ComputeResult;
using ornal::kNumberBoxCount;
using ornal::Selection;
using ornal::fuzz::Shown;
using Status = ComputeResult::Status;

std::string describe(const Selection& sel)
{
    std::string d = "horses " + Shown(sel.horseCountText) + " bet " + Shown(sel.betSizeText) + " baseCount "
        + std::to_string(sel.baseCount) + "\n";
    for (int i = 0; i < kNumberBoxCount; ++i) {
        d += "  box " + std::to_string(i) + (sel.shown[i] ? " shown " : " hidden ") + (sel.marks[i] ? "[x] " : "[ ] ")
            + Shown(sel.numbers[i]) + "\n";
    }
    return d;
}

Selection decodeFree(ornal::fuzz::FuzzInput& in)
{
    Selection sel;
    sel.horseCountText = in.flag() ? std::to_string(in.range(0, 21)) : in.mixedText(" 0123456789.-+e", 8);
    sel.betSizeText = in.flag() ? std::to_string(in.range(0, 9)) : in.mixedText(" 0123456789.-+e", 8);
    const int base = in.range(0, 5);
    sel.baseCount
        = base < 4 ? static_cast<std::int16_t>(base == 0 ? -1 : base) : static_cast<std::int16_t>(in.integer(2));
    const int shownUpTo = in.range(0, 20);
    for (int i = 0; i < kNumberBoxCount; ++i) {
        sel.shown[i] = i < shownUpTo ? !(in.byte() == 0xff) : in.byte() == 0xff;
        sel.marks[i] = (in.byte() & 7) == 0;
        sel.numbers[i] = in.flag() ? std::to_string(in.range(0, 99)) : in.mixedText(" 0123456789.-+a|", 12);
    }
    return sel;
}

// A selection as the window's flow makes it, then perhaps one change that the flow would not allow.
Selection decodeFlow(ornal::fuzz::FuzzInput& in)
{
    Selection sel;
    const int n = in.range(1, 20);
    const int k = in.range(1, n < 8 ? n : 8);
    sel.horseCountText = std::to_string(n);
    sel.betSizeText = (in.flag() ? " " : "") + std::to_string(k) + (in.flag() ? " " : "");
    bool used[100] = {};
    for (int i = 0; i < kNumberBoxCount; ++i) {
        int value = in.range(0, 99);
        while (used[value]) {
            value = (value + 1) % 100;
        }
        used[value] = true;
        const int zeros = in.range(0, 3);
        sel.numbers[i] = std::string(zeros == 3 ? 1 : 0, ' ') + std::string(zeros == 1 ? 1 : 0, '0')
            + std::to_string(value) + std::string(zeros == 2 ? 1 : 0, ' ');
        sel.shown[i] = i < n;
    }
    const int bases = in.range(0, 3);
    sel.baseCount = static_cast<std::int16_t>(bases == 0 ? -1 : bases);
    for (int b = 0; b < bases; ++b) {
        sel.marks[in.range(0, (k < n ? k : n) - 1)] = true;
    }
    switch (in.byte() % 8) {
    case 0:
        sel.shown[in.range(0, 19)] ^= true;
        break;
    case 1:
        sel.numbers[in.range(0, 19)] = sel.numbers[in.range(0, 19)];
        break;
    case 2:
        sel.marks[in.range(0, 19)] ^= true;
        break;
    case 3:
        sel.betSizeText = in.mixedText(" 0123456789.-+e", 6);
        break;
    case 4:
        sel.horseCountText = in.mixedText(" 0123456789.-+e", 6);
        break;
    case 5:
        sel.numbers[in.range(0, 19)] = in.mixedText(" 0123456789.-+a", 6);
        break;
    default:
        break; // as the flow left it
    }
    return sel;
}

std::uint64_t choose(int n, int k)
{
    if (k < 0 || k > n) {
        return 0;
    }
    std::uint64_t c = 1;
    for (int i = 0; i < k; ++i) {
        c = c * static_cast<std::uint64_t>(n - i) / static_cast<std::uint64_t>(i + 1);
    }
    return c;
}

struct Expected {
    Status status = Status::Computed;
    int box = -1;
    std::string selectionText;
    int k = 0;
    int boxesRead = 0; // boxes 0 to boxesRead - 1 make the combinations; 0 when none is produced
};

Expected expectedChecks(const Selection& sel)
{
    Expected e;
    const std::string bet(ornal::TrimSpaces(sel.betSizeText));
    const std::optional<std::int16_t> k
        = ornal::IsNumeric(bet) ? ornal::RoundToInt16(ornal::NumericValue(bet)) : std::nullopt;
    if (!k || *k < 1) {
        e.status = Status::NoBetSize;
        return e;
    }
    e.k = *k;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (!sel.shown[i]) {
            continue;
        }
        const std::string text(ornal::TrimSpaces(sel.numbers[i]));
        e.selectionText += "-" + text;
        if (text.empty()) {
            e.status = Status::EmptyBox;
            e.box = i;
            return e;
        }
        bool control = false;
        for (const char c : text) {
            control = control || static_cast<unsigned char>(c) < 0x20 || c == 0x7f;
        }
        if (text.find('-') != std::string::npos || control) {
            e.status = Status::SeparatorInBox;
            e.box = i;
            return e;
        }
        for (int j = 0; j < i; ++j) {
            if (ornal::NumericValue(sel.numbers[j]) == ornal::NumericValue(sel.numbers[i])) {
                e.status = Status::DuplicateBox;
                e.box = i;
                return e;
            }
        }
    }
    const std::optional<std::int16_t> fin = ornal::RoundToInt16(ornal::NumericValue(sel.horseCountText) - e.k);
    if (!fin) {
        e.status = Status::InvalidChoice;
        return e;
    }
    if (*fin >= 0) {
        const int last = *fin + e.k - 1;
        bool readable = last < kNumberBoxCount;
        for (int i = 0; readable && i <= last; ++i) {
            readable = sel.shown[i];
        }
        if (!readable) {
            e.status = Status::InvalidChoice;
            return e;
        }
        // A list whose text would pass 64 MiB is refused; the longest line takes the k longest texts.
        std::vector<std::size_t> lengths;
        for (int i = 0; i <= last; ++i) {
            lengths.push_back(sel.numbers[i].size());
        }
        std::sort(lengths.rbegin(), lengths.rend());
        std::uint64_t longest = 1 + static_cast<std::uint64_t>(e.k);
        for (int i = 0; i < e.k; ++i) {
            longest += lengths[static_cast<std::size_t>(i)];
        }
        if (longest * choose(last + 1, e.k) > (64ull << 20)) {
            e.status = Status::InvalidChoice;
            return e;
        }
        e.boxesRead = last + 1;
    }
    return e;
}

// Every ascending choice of k boxes out of m, in lexicographic order, each passed to visit.
template <typename Visit> void eachChoice(int m, int k, Visit&& visit)
{
    if (k > m) {
        return;
    }
    std::vector<int> picks(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) {
        picks[i] = i;
    }
    while (true) {
        visit(picks);
        int i = k - 1;
        while (i >= 0 && picks[i] == m - k + i) {
            --i;
        }
        if (i < 0) {
            return;
        }
        ++picks[i];
        for (int j = i + 1; j < k; ++j) {
            picks[j] = picks[j - 1] + 1;
        }
    }
}

void checkLines(const Selection& sel, const Expected& e, const ornal::CombinationList& list, const std::string& ctx)
{
    std::vector<int> bases;
    bool basesInColumns = true; // each ticked base has a column of its own in a line
    if (sel.baseCount != -1) {
        for (int i = 0; i < kNumberBoxCount; ++i) {
            if (sel.marks[i]) {
                bases.push_back(i);
                basesInColumns = basesInColumns && i < e.k;
            }
        }
    }
    std::uint32_t line = 0;
    eachChoice(e.boxesRead, e.k, [&](const std::vector<int>& picks) {
        for (const int b : bases) {
            bool held = false;
            for (const int p : picks) {
                held = held || p == b;
            }
            if (!held) {
                return;
            }
        }
        ORNAL_FUZZ_CHECK(line < list.size(), ctx + "too few lines: " + std::to_string(list.size()));
        const std::string_view actual = list.line(line);
        const auto where = [&] { return ctx + "line " + std::to_string(line) + " " + Shown(std::string(actual)); };
        std::size_t length = 1;
        for (const int p : picks) {
            length += sel.numbers[p].size() + 1;
        }
        ORNAL_FUZZ_CHECK(actual.size() == length && actual.front() == '-' && actual.back() == '-', where());
        if (basesInColumns) {
            // A base of box i stands at position i; the others fill the rest in box order.
            std::vector<int> columns(picks.size(), -1);
            for (const int b : bases) {
                columns[b] = b;
            }
            std::size_t next = 0;
            for (int& column : columns) {
                if (column >= 0) {
                    continue;
                }
                while (sel.marks[picks[next]] && sel.baseCount != -1) {
                    ++next;
                }
                column = picks[next++];
            }
            std::string expected = "-";
            for (const int box : columns) {
                expected += sel.numbers[box] + "-"; // the box's text exactly: not trimmed, not converted
            }
            ORNAL_FUZZ_CHECK(actual == expected, where() + " expected " + Shown(expected));
        }
        ++line;
    });
    ORNAL_FUZZ_CHECK(line == list.size(), ctx + "too many lines: " + std::to_string(list.size()));
}

// Shown boxes exactly 0 to N - 1, a whole bet size from 1 to N, distinct non-empty numbers, bases in the first k.
bool consistent(const Selection& sel, int& n, int& k, int& b)
{
    if (!ornal::IsNumeric(sel.horseCountText) || !ornal::IsNumeric(sel.betSizeText)) {
        return false;
    }
    const double horses = ornal::NumericValue(sel.horseCountText);
    const double bet = ornal::NumericValue(sel.betSizeText);
    if (!(horses <= 20 && bet >= 1 && bet <= horses) || horses != static_cast<int>(horses)
        || bet != static_cast<int>(bet)) {
        return false;
    }
    n = static_cast<int>(horses);
    k = static_cast<int>(bet);
    b = 0;
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (sel.shown[i] != (i < n)) {
            return false;
        }
        if (i < n && ornal::TrimSpaces(sel.numbers[i]).empty()) {
            return false;
        }
        for (int j = 0; j < i && i < n; ++j) {
            if (ornal::NumericValue(sel.numbers[i]) == ornal::NumericValue(sel.numbers[j])) {
                return false;
            }
        }
        if (sel.baseCount != -1 && sel.marks[i]) {
            if (i >= k) {
                return false;
            }
            ++b;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const Selection sel = in.flag() ? decodeFlow(in) : decodeFree(in);
    const std::string ctx = describe(sel);
    const ComputeResult result = ornal::ComputeCombinations(sel);
    const Expected e = expectedChecks(sel);

    ORNAL_FUZZ_CHECK(result.status == e.status, ctx + "status " + std::to_string(static_cast<int>(result.status)));
    ORNAL_FUZZ_CHECK(result.box == e.box, ctx);
    if (result.status != Status::NoBetSize) {
        ORNAL_FUZZ_CHECK(result.selectionText == e.selectionText, ctx + Shown(result.selectionText));
    }
    if (result.status != Status::Computed) {
        // A refusal is one of the program's messages and leaves no list behind.
        ORNAL_FUZZ_CHECK(result.refusal.has_value() && result.list.empty(), ctx);
        std::string_view expected;
        ornal::MessageIcon icon = ornal::MessageIcon::None;
        switch (result.status) {
        case Status::NoBetSize:
            expected = ornal::text::kChooseBetType;
            icon = ornal::MessageIcon::Information;
            break;
        case Status::EmptyBox:
            expected = ornal::text::kEnterNumber;
            break;
        case Status::SeparatorInBox:
            expected = ornal::text::kEnterNumber;
            break;
        case Status::DuplicateBox:
            expected = ornal::text::kNumberAlreadyEntered;
            break;
        default:
            expected = ornal::text::kInvalidChoice;
            break;
        }
        ORNAL_FUZZ_CHECK(result.refusal->text() == expected && result.refusal->message.icon == icon
                && result.refusal->message.title == ornal::text::kProgramTitle,
            ctx + result.refusal->text());
        return 0;
    }
    ORNAL_FUZZ_CHECK(!result.refusal.has_value(), ctx);
    checkLines(sel, e, result.list, ctx);

    int n = 0;
    int k = 0;
    int b = 0;
    if (consistent(sel, n, k, b)) {
        const std::uint64_t count = b == 0 ? choose(n, k) : choose(n - b, k - b);
        ORNAL_FUZZ_CHECK(result.list.size() == count, ctx + "count " + std::to_string(result.list.size()));
    }
    return 0;
}
