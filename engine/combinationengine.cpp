#include "engine/combinationengine.h"

#include "engine/binomial.h"
#include "engine/numericvalue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace ornal {

namespace {

// A bound far above the largest list of typed numbers (77,520 lines of at most 22 characters, 1.7 MB).
constexpr std::uint64_t kMaxListTextBytes = 64ull << 20;

// One enumeration: boucle walks the ascending box tuples in lexicographic order, addlist keeps and arranges them.
class CombinationGenerator {
public:
    CombinationGenerator(const Selection& sel, int k, CombinationList& out)
        : m_out(out)
    {
        for (int i = 0; i < kNumberBoxCount; ++i) {
            m_numbers[i] = sel.numbers[i];
        }
        if (sel.baseCount != -1) {
            for (int i = 0; i < kNumberBoxCount; ++i) {
                if (sel.marks[i]) {
                    m_baseMask |= 1u << i;
                    ++m_baseTotal;
                }
            }
        }
        arrangeSlots(k);
    }

    // Appends every completion of the picks so far by remaining boxes with rising indices, the next from start..fin.
    // The prefix lives in one buffer, cut back to its length at this depth for each pick: no copy per call.
    void boucle(int start, int fin, int remaining)
    {
        if (remaining == 0) {
            addlist();
            return;
        }
        const std::size_t prefixLength = m_prefix.size();
        for (int i = start; i <= fin; ++i) {
            m_prefix.resize(prefixLength);
            m_prefix.append(m_numbers[i]);
            m_prefix.push_back('-');
            m_picked[m_depth++] = i;
            m_pickedMask |= 1u << i;
            boucle(i + 1, fin + 1, remaining - 1);
            m_pickedMask &= ~(1u << i);
            --m_depth;
        }
        m_prefix.resize(prefixLength);
    }

private:
    // Drops a combination that lacks a ticked base, otherwise appends it with each base at its own position.
    void addlist()
    {
        if (m_baseMask == 0) {
            m_out.append(m_prefix);
            return;
        }
        if ((m_pickedMask & m_baseMask) != m_baseMask) {
            return;
        }
        m_line.assign(1, '-');
        int nextOther = 0;
        for (int slot = 0; slot < m_depth; ++slot) {
            int box = m_slots[slot];
            if (box < 0) {
                while (m_baseMask & (1u << m_picked[nextOther])) {
                    ++nextOther;
                }
                box = m_picked[nextOther++];
            }
            m_line.append(m_numbers[box]);
            m_line.push_back('-');
        }
        m_out.append(m_line);
    }

    // Where each base goes in a line: a base in box i takes position i, the other numbers fill the rest in box
    // order. A base past the line's end (a mark left from a larger bet size typed over) goes last instead.
    void arrangeSlots(int k)
    {
        const int others = k - m_baseTotal;
        if (others < 0) {
            return; // more bases than numbers in a line: no combination can hold them all
        }
        m_slots.assign(static_cast<std::size_t>(others), -1);
        std::size_t pos = 0;
        for (int i = 0; i < kNumberBoxCount; ++i) {
            if (m_baseMask & (1u << i)) {
                m_slots.insert(m_slots.begin() + static_cast<std::ptrdiff_t>(pos), i);
                ++pos;
            } else if (pos < m_slots.size()) {
                ++pos;
            }
        }
    }

    CombinationList& m_out;
    std::array<std::string_view, kNumberBoxCount> m_numbers {};
    std::array<int, kNumberBoxCount> m_picked {};
    std::vector<int> m_slots; // per position: the base box placed there, or -1 for the next other number
    std::string m_prefix = "-";
    std::string m_line;
    std::uint32_t m_pickedMask = 0;
    std::uint32_t m_baseMask = 0;
    int m_baseTotal = 0;
    int m_depth = 0;
};

ComputeResult refuse(ComputeResult result, ComputeResult::Status status, std::string_view text, MessageIcon icon)
{
    result.status = status;
    result.refusal = Refusal::Saying(std::string(text), icon);
    return result;
}

} // namespace

ComputeResult ComputeCombinations(const Selection& sel)
{
    ComputeResult result;
    const std::string_view betText = TrimSpaces(sel.betSizeText);
    const std::optional<std::int16_t> k
        = IsNumeric(betText) ? RoundToInt16(NumericValue(sel.betSizeText)) : std::nullopt;
    // A bet size below 1 would make lines of nothing (or recurse without end when negative): refuse it as unchosen.
    if (!k || *k < 1) {
        return refuse(
            std::move(result), ComputeResult::Status::NoBetSize, text::kChooseBetType, MessageIcon::Information);
    }

    std::array<double, kNumberBoxCount> values {};
    for (int i = 0; i < kNumberBoxCount; ++i) {
        values[i] = NumericValue(sel.numbers[i]);
    }
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (!sel.shown[i]) {
            continue;
        }
        const std::string_view trimmed = TrimSpaces(sel.numbers[i]);
        result.selectionText += '-';
        result.selectionText += trimmed;
        if (trimmed.empty()) {
            result.box = i;
            return refuse(std::move(result), ComputeResult::Status::EmptyBox, text::kEnterNumber, MessageIcon::None);
        }
        // Only the command line can put "-" or a control character into a box: "-" would split the number into
        // two fields of a line, a line break would split the line itself, and the filters, the shuffle and every
        // one-line-per-combination output would then read the wrong ones.
        const bool control = std::any_of(
            trimmed.begin(), trimmed.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; });
        if (trimmed.find('-') != std::string_view::npos || control) {
            result.box = i;
            return refuse(
                std::move(result), ComputeResult::Status::SeparatorInBox, text::kEnterNumber, MessageIcon::None);
        }
        for (int j = 0; j < i; ++j) {
            if (values[j] == values[i]) {
                result.box = i;
                return refuse(std::move(result), ComputeResult::Status::DuplicateBox, text::kNumberAlreadyEntered,
                    MessageIcon::None);
            }
        }
    }

    // The enumeration reads boxes 0 to fin + k - 1; a horse count typed instead of picked can point past the
    // shown boxes, and reading those would mix stale or missing numbers into the list.
    const std::optional<std::int16_t> fin = RoundToInt16(NumericValue(sel.horseCountText) - *k);
    if (!fin) {
        return refuse(std::move(result), ComputeResult::Status::InvalidChoice, text::kInvalidChoice, MessageIcon::None);
    }
    const int lastBox = *fin + *k - 1;
    if (*fin >= 0) {
        const bool readable = lastBox < kNumberBoxCount
            && std::all_of(sel.shown.begin(), sel.shown.begin() + lastBox + 1, [](bool shown) { return shown; });
        if (!readable) {
            return refuse(
                std::move(result), ComputeResult::Status::InvalidChoice, text::kInvalidChoice, MessageIcon::None);
        }
        const std::uint64_t lines = Binomial(lastBox + 1, *k);
        std::size_t bytes = 1;
        for (int i = 0; i <= lastBox; ++i) {
            bytes += sel.numbers[i].size() + 1;
        }
        // Typed numbers have two characters, but the preload puts any text into a box: twenty long texts would
        // make a list of gigabytes, ending in an allocation failure or in line offsets past 32 bits.
        std::array<std::size_t, kNumberBoxCount> lengths {};
        for (int i = 0; i <= lastBox; ++i) {
            lengths[i] = sel.numbers[i].size();
        }
        std::sort(lengths.begin(), lengths.begin() + lastBox + 1, std::greater<>());
        std::uint64_t longestLine = 1 + static_cast<std::uint64_t>(*k);
        for (int i = 0; i < *k; ++i) {
            longestLine += lengths[i];
        }
        if (longestLine > kMaxListTextBytes / std::max<std::uint64_t>(lines, 1)) {
            return refuse(
                std::move(result), ComputeResult::Status::InvalidChoice, text::kInvalidChoice, MessageIcon::None);
        }
        result.list.reserve(static_cast<CombinationList::Count>(lines),
            static_cast<std::size_t>(lines) * std::min<std::size_t>(bytes, 1 + static_cast<std::size_t>(*k) * 3));
    }

    CombinationGenerator generator(sel, *k, result.list);
    generator.boucle(0, *fin, *k);
    return result;
}

} // namespace ornal
