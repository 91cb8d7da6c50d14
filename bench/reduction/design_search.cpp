// Writes the design library: for every full list a player can ask a guarantee of (the five families of the covering
// records and the two pair bets, v = 8 to 20, with 0 to 3 bases), Ornal's own search runs for the time given on one
// thread with the seed given, and the reduction it keeps is printed as a design, one line per case, in the format
// DesignLibrary reads: "v k p t size seed millis" then the lines' masks side by side in base 32. A base turns
// C(v, k, t) into C(v - b, k - b, t - b); each reduced case is searched once.
//
//   design_search [--seconds=S] [--seed=N] [--case=v,k,p,t ...]
//
// With --case, only the cases named are searched, and no header is written: make-design-library then keeps each new
// design in place of the file's one when it is smaller. Run by bench/reduction/make-design-library, which writes
// reduction/designs.txt.
#include "engine/combinationengine.h"
#include "reduction/designlibrary.h"
#include "reduction/reducer.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

struct Family {
    int k, p, t;
};

// Quarté+ bonus, Quinté+ bonus 3, Quinté+ bonus 4, Multi en 6, Multi en 7, 2sur4, Couplé placé.
constexpr Family kFamilies[]
    = { { 4, 3, 3 }, { 5, 3, 3 }, { 5, 4, 4 }, { 6, 4, 4 }, { 7, 4, 4 }, { 2, 4, 2 }, { 2, 3, 2 } };

ornal::CombinationList FullList(int v, int k)
{
    ornal::Selection sel;
    sel.horseCountText = std::to_string(v);
    sel.betSizeText = std::to_string(k);
    for (int i = 0; i < v; ++i) {
        sel.numbers[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        sel.shown[static_cast<std::size_t>(i)] = true;
    }
    return ornal::ComputeCombinations(sel).list;
}

// The horses of a line "-1-4-7-" as bits 0 (horse 1) upwards.
std::uint32_t Mask(std::string_view line)
{
    std::uint32_t mask = 0;
    int number = 0;
    for (char c : line.substr(1)) {
        if (c == '-') {
            mask |= 1u << (number - 1);
            number = 0;
        } else {
            number = number * 10 + (c - '0');
        }
    }
    return mask;
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = 60;
    std::uint64_t seed = 1;
    std::set<std::tuple<int, int, int, int>> named;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg.starts_with("--seconds=")) {
            seconds = std::atof(argv[i] + 10);
        } else if (arg.starts_with("--seed=")) {
            seed = std::strtoull(argv[i] + 7, nullptr, 10);
        } else if (arg.starts_with("--case=")) {
            int v = 0, k = 0, p = 0, t = 0;
            if (std::sscanf(argv[i] + 7, "%d,%d,%d,%d", &v, &k, &p, &t) == 4) {
                named.emplace(v, k, p, t);
            }
        }
    }
    std::set<std::tuple<int, int, int, int>> cases;
    for (const Family& f : kFamilies) {
        for (int v = 8; v <= 20; ++v) {
            for (int b = 0; b <= 3; ++b) {
                // With b bases the lines hold them and k - b of the others, the arrivals p - b of the others.
                const int vb = v - b, kb = f.k - b, pb = f.p - b, tb = f.t - b;
                if (tb >= 1 && kb >= tb && kb < vb && pb <= vb
                    && (named.empty() || named.contains({ vb, kb, pb, tb }))) {
                    cases.emplace(vb, kb, pb, tb);
                }
            }
        }
    }
    if (named.empty()) {
        std::printf("# Covering designs found by Ornal's own search (bench/reduction/make-design-library), one line a\n"
                    "# case: v k p t size seed millis, then one word: the lines' masks of horses 0..v-1 side by side,\n"
                    "# each (v + 4) / 5 digits of base 32 (0-9a-v). Every p horses hold t of some line's.\n"
                    "# Search: %.1f s a case, one thread, seed %llu.\n",
            seconds, static_cast<unsigned long long>(seed));
    }
    for (const auto& [v, k, p, t] : cases) {
        const ornal::CombinationList list = FullList(v, k);
        ornal::ReductionRequest request;
        request.list = &list;
        for (int h = 1; h <= v; ++h) {
            request.horses.push_back(h);
        }
        request.guarantee = ornal::Guarantee { p, t };
        request.timeLimit = std::chrono::milliseconds(static_cast<long long>(seconds * 1000));
        request.maxThreads = 1;
        request.seed = seed;
        request.useLibrary = false; // each design from the search alone, so that the seed makes it again
        const ornal::ReductionOutcome outcome = ornal::Reduce(request);
        if (!outcome.ok() || outcome->met != outcome->promised) {
            std::fprintf(stderr, "C(%d,%d,%d,%d): no design\n", v, k, p, t);
            continue;
        }
        const ornal::ReductionResult& r = *outcome;
        std::printf("%d %d %d %d %zu %llu %lld", v, k, p, t, r.kept.size(), static_cast<unsigned long long>(seed),
            static_cast<long long>(r.timeToFinal.count()));
        std::string masks;
        for (ornal::CombinationList::Count index : r.kept) {
            masks += ornal::DesignMaskDigits(Mask(list.line(index)), v);
        }
        std::printf(" %s\n", masks.c_str());
        std::fflush(stdout);
        std::fprintf(stderr, "C(%d,%d,%d,%d): %zu lines\n", v, k, p, t, r.kept.size());
    }
    return 0;
}
