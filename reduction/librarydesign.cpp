#include "reduction/librarydesign.h"

#include "engine/binomial.h"
#include "reduction/horsenumbers.h"
#include "reduction/verify.h"

#include <bit>
#include <numeric>

namespace ornal {

namespace {

using Mask = std::uint32_t;
using Count = CombinationList::Count;

constexpr Count kAbsent = ~Count { 0 };

// What the list's lines say of the case: their size, the horses they use, and the first line holding each set of
// horses; lineSize is 0 when the lines are not all of one size holding every base.
struct ListShape {
    int lineSize = 0;
    Mask used = 0; // horses other than the bases
    Count distinct = 0;
    std::vector<Count> firstLine; // by mask, 2^v entries
};

ListShape ShapeOf(const CombinationList& list, const HorseNumbers& numbers)
{
    ListShape shape;
    shape.firstLine.assign(std::size_t { 1 } << numbers.count(), kAbsent);
    const Mask bases = numbers.baseMask();
    for (Count i = 0; i < list.size(); ++i) {
        const Mask mask = numbers.read(list.line(i)).mask;
        const int size = std::popcount(mask);
        if ((mask & bases) != bases || (shape.lineSize != 0 && size != shape.lineSize)) {
            shape.lineSize = 0;
            return shape;
        }
        shape.lineSize = size;
        shape.used |= mask & ~bases;
        if (shape.firstLine[mask] == kAbsent) {
            shape.firstLine[mask] = i;
            ++shape.distinct;
        }
    }
    return shape;
}

// The design's lines as lines of the list, or empty when one of them is not in the list.
ListDesign Relabelled(const StoredDesign& design, const ListShape& shape, Mask bases, const std::vector<int>& bits)
{
    ListDesign found;
    found.kept.reserve(design.lines.size());
    found.masks.reserve(design.lines.size());
    for (std::uint32_t designLine : design.lines) {
        Mask mask = bases;
        for (std::uint32_t rest = designLine; rest != 0; rest &= rest - 1) {
            mask |= Mask { 1 } << bits[static_cast<std::size_t>(std::countr_zero(rest))];
        }
        if (shape.firstLine[mask] == kAbsent) {
            return {};
        }
        found.kept.push_back(shape.firstLine[mask]);
        found.masks.push_back(mask);
    }
    return found;
}

// The arrivals among the used horses (bases included) that the design's lines meet, counted by Verify over those
// lines alone, and how many there are.
Result<VerifyReport> CheckOnItsLines(const CombinationList& list, const ListDesign& design,
    std::span<const double> horses, Mask usedAndBases, std::span<const double> bases, Guarantee g)
{
    CombinationList lines;
    for (Count index : design.kept) {
        lines.append(list.line(index));
    }
    std::vector<double> usedHorses;
    for (std::size_t bit = 0; bit < horses.size(); ++bit) {
        if (usedAndBases & (Mask { 1 } << bit)) {
            usedHorses.push_back(horses[bit]);
        }
    }
    std::vector<Count> all(lines.size());
    std::iota(all.begin(), all.end(), Count { 0 });
    return Verify(lines, all, usedHorses, bases, g);
}

} // namespace

ListDesign LibraryDesign(const CombinationList& list, std::span<const double> horses, std::span<const double> bases,
    Guarantee g, const DesignLibrary& library)
{
    HorseNumbers numbers;
    if (list.empty() || !numbers.assign(horses, bases)) {
        return {};
    }
    const ListShape shape = ShapeOf(list, numbers);
    const int k = shape.lineSize;
    const int b = numbers.baseCount();
    const int v = std::popcount(shape.used);
    const Mask baseMask = numbers.baseMask();
    const bool removed = (shape.used | baseMask) != numbers.allMask();
    // With a horse removed and a line meeting an arrival by part of it, arrivals holding the removed horse are
    // promised too: the design does not speak of them.
    if (k <= b || g.inLine <= b || g.finishers < g.inLine || v < k - b || shape.distinct != Binomial(v, k - b)
        || (removed && g.inLine != g.finishers)) {
        return {};
    }
    std::vector<int> bits;
    for (Mask rest = shape.used; rest != 0; rest &= rest - 1) {
        bits.push_back(std::countr_zero(rest));
    }
    for (const StoredDesign* design : library.designsFor(v, k - b, g.finishers - b, g.inLine - b)) {
        ListDesign found = Relabelled(*design, shape, baseMask, bits);
        if (found.empty()) {
            continue;
        }
        const Result<VerifyReport> check = CheckOnItsLines(list, found, horses, shape.used | baseMask, bases, g);
        if (!check || check->met != check->arrivals) {
            continue;
        }
        found.lineSize = k;
        found.promised = check->met;
        const int need = g.finishers - b;
        for (int i = g.inLine - b; i <= std::min(k - b, need); ++i) {
            found.perLine += Binomial(k - b, i) * Binomial(numbers.count() - k, need - i);
        }
        return found;
    }
    return {};
}

} // namespace ornal
