#include "reduction/verify.h"

#include "reduction/bitcount.h"
#include "reduction/horsenumbers.h"

#include <cstddef>
#include <string>
#include <vector>

namespace ornal {

namespace {

using Marks = std::vector<std::uint8_t>;

// Marks every inLine-subset of the line's horses: a set of horses is met by the line when it holds one of them.
void MarkSubsets(std::uint32_t line, int inLine, Marks& marks)
{
    if (CountBits(line) < inLine) {
        return;
    }
    // Every submask of the line, from the line itself down to the empty set; at most 2^7 for the longest lines.
    for (std::uint32_t s = line;; s = (s - 1) & line) {
        if (CountBits(s) == inLine) {
            marks[s] = 1;
        }
        if (s == 0) {
            break;
        }
    }
}

// Spreads each mark to every superset, so that marks[m] tells whether m holds a marked subset. Bit by bit, the
// upper half of each block takes the lower half: contiguous runs the compiler turns into vector code.
void SpreadToSupersets(Marks& marks, int bits)
{
    const std::size_t size = marks.size();
    for (int i = 0; i < bits; ++i) {
        const std::size_t half = std::size_t { 1 } << i;
        for (std::size_t block = 0; block < size; block += 2 * half) {
            std::uint8_t* low = marks.data() + block;
            std::uint8_t* high = low + half;
            for (std::size_t j = 0; j < half; ++j) {
                high[j] |= low[j];
            }
        }
    }
}

Refusal Refused(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

} // namespace

Result<VerifyReport> Verify(const CombinationList& list, std::span<const CombinationList::Count> kept,
    std::span<const double> horses, std::span<const double> bases, Guarantee g)
{
    VerifyReport report;
    try {
        HorseNumbers numbers;
        if (Result<void> assigned = numbers.assign(horses, bases); !assigned) {
            return assigned.refusal();
        }
        const int v = numbers.count();
        const int b = numbers.baseCount();
        if (g.finishers < std::max(1, b) || g.finishers > v || g.inLine < 1 || g.inLine > g.finishers) {
            return Refused("Garantie invalide : " + std::to_string(g.finishers) + " premiers, "
                + std::to_string(g.inLine) + " dans une ligne.");
        }
        for (CombinationList::Count index : kept) {
            if (index >= list.size()) {
                return Refused("Ligne gardée hors de la liste : " + std::to_string(index + 1) + ".");
            }
        }
        const std::size_t size = std::size_t { 1 } << v;
        Marks byList(size, 0);
        Marks byKept(size, 0);
        for (CombinationList::Count i = 0; i < list.size(); ++i) {
            MarkSubsets(numbers.read(list.line(i)).mask, g.inLine, byList);
        }
        for (CombinationList::Count index : kept) {
            MarkSubsets(numbers.read(list.line(index)).mask, g.inLine, byKept);
        }
        SpreadToSupersets(byList, v);
        SpreadToSupersets(byKept, v);
        const std::uint32_t baseMask = numbers.baseMask();
        for (std::uint32_t m = 0; m < size; ++m) {
            if (CountBits(m) != g.finishers || (m & baseMask) != baseMask) {
                continue;
            }
            ++report.arrivals;
            report.reachable += byList[m];
            report.met += byKept[m];
        }
    } catch (const std::bad_alloc&) {
        return Refused("Mémoire insuffisante pour vérifier la réduction.");
    }
    return report;
}

} // namespace ornal
