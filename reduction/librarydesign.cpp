#include "reduction/librarydesign.h"

#include "engine/binomial.h"

#include <bit>

namespace ornal {

namespace {

using Index = ArrivalSpace::Index;
using Mask = ArrivalSpace::Mask;

// The design's lines as lines of the space, or empty when one of them is not a line of the space or when together
// they leave a promised arrival unmet.
std::vector<Index> Relabelled(const ArrivalSpace& space, const StoredDesign& design, const std::vector<int>& bits)
{
    std::vector<Index> lines;
    lines.reserve(design.lines.size());
    std::vector<std::uint8_t> met(space.arrivalCount(), 0);
    Index metCount = 0;
    for (std::uint32_t designLine : design.lines) {
        Mask mask = space.baseMask();
        for (std::uint32_t rest = designLine; rest != 0; rest &= rest - 1) {
            mask |= Mask { 1 } << bits[static_cast<std::size_t>(std::countr_zero(rest))];
        }
        const Index line = space.lineWithMask(mask);
        if (line == ArrivalSpace::kNone) {
            return {};
        }
        lines.push_back(line);
        for (Index arrival : space.arrivalsOf(line)) {
            metCount += met[arrival] == 0 ? 1 : 0;
            met[arrival] = 1;
        }
    }
    if (metCount != space.arrivalCount()) {
        return {};
    }
    return lines;
}

} // namespace

std::vector<Index> LibraryDesign(const ArrivalSpace& space, const DesignLibrary& library)
{
    const Guarantee g = space.guarantee();
    const int b = space.baseCount();
    const Mask bases = space.baseMask();
    Mask used = 0;
    int k = 0;
    for (Index line = 0; line < space.lineCount(); ++line) {
        const Mask mask = space.lineMask(line);
        if ((mask & bases) != bases || (k != 0 && std::popcount(mask) != k)) {
            return {};
        }
        k = std::popcount(mask);
        used |= mask & ~bases;
    }
    const int v = std::popcount(used);
    if (k <= b || g.inLine <= b || v < k - b || space.lineCount() != Binomial(v, k - b)
        || space.arrivalCount() != Binomial(v, g.finishers - b)) {
        return {};
    }
    std::vector<int> bits;
    for (Mask rest = used; rest != 0; rest &= rest - 1) {
        bits.push_back(std::countr_zero(rest));
    }
    for (const StoredDesign* design : library.designsFor(v, k - b, g.finishers - b, g.inLine - b)) {
        std::vector<Index> lines = Relabelled(space, *design, bits);
        if (!lines.empty()) {
            return lines;
        }
    }
    return {};
}

} // namespace ornal
