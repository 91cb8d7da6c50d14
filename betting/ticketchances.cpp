#include "betting/ticketchances.h"

#include "betting/betcost.h"
#include "betting/finishmodel.h"
#include "engine/linefields.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

// The chances are summed over the finishing orders of the places the type reads, a1 .. am, walked as a tree of
// prefixes: for each order of the first m - 1 places, one pass over the runners that may take place m reads, from
// counts prepared once, how many lines pay each class. The counts are indexed by the set of runners a line holds
// (its rank among the subsets of that size), never by comparing lines with orders: the largest lists (77,520 Multi
// lines, 15,504 Quinté+ lines over 20 runners) take a few milliseconds.

namespace ornal {

namespace {

// Lines have at most 7 numbers; sets of up to 7 runners are ranked.
constexpr int kMaxSetSize = 7;

// No type reads more places than the Quinté+; the table of lines by their first numbers in order relies on it.
constexpr int kMaxPlaces = 5;

using Count = std::uint32_t;
using RunnerCounts = std::array<Count, kMaxRunners>;

// C(n, k) for n up to kMaxRunners and k up to kMaxSetSize.
constexpr auto kChoose = [] {
    std::array<std::array<std::uint32_t, kMaxSetSize + 1>, kMaxRunners + 1> choose {};
    for (int n = 0; n <= kMaxRunners; ++n) {
        choose[n][0] = 1;
        for (int k = 1; k <= kMaxSetSize && k <= n; ++k) {
            choose[n][k] = choose[n - 1][k - 1] + (k <= n - 1 ? choose[n - 1][k] : 0);
        }
    }
    return choose;
}();

// The colex rank of a set of runners among the sets of its size: sum of C(b_r, r + 1) over its bits b_0 < b_1 < ....
std::uint32_t setRank(std::uint32_t set)
{
    std::uint32_t rank = 0;
    for (int r = 1; set != 0; set &= set - 1, ++r) {
        rank += kChoose[static_cast<std::size_t>(std::countr_zero(set))][static_cast<std::size_t>(r)];
    }
    return rank;
}

Message refuse(std::string text)
{
    return Message { std::move(text), MessageIcon::Information };
}

// Calls visit(subset) for each subset of size k of set.
template <typename Visit> void forEachSubset(std::uint32_t set, int k, Visit&& visit)
{
    std::array<int, 32> bits {};
    const int size = std::popcount(set);
    for (int i = 0; set != 0; set &= set - 1) {
        bits[static_cast<std::size_t>(i++)] = std::countr_zero(set);
    }
    if (k > size) {
        return;
    }
    // Gosper's walk over the k-subsets of the positions 0 .. size - 1.
    for (std::uint32_t pick = (1u << k) - 1; pick < (1u << size);) {
        std::uint32_t subset = 0;
        for (std::uint32_t p = pick; p != 0; p &= p - 1) {
            subset |= 1u << bits[static_cast<std::size_t>(std::countr_zero(p))];
        }
        visit(subset);
        if (k == 0) {
            return;
        }
        const std::uint32_t low = pick & (~pick + 1);
        const std::uint32_t ripple = pick + low;
        pick = (((ripple ^ pick) >> 2) / low) | ripple;
    }
}

// Adds 1 to counts at the rank of each subset of size k of the runners bits[0 .. size - 1] (rising), the rank
// summed along the way: the largest Multi list has 2.7 million such subsets.
void countSubsets(const int* bits, int size, int k, std::uint32_t rank, Count* counts)
{
    if (k == 0) {
        ++counts[rank];
        return;
    }
    for (int i = k - 1; i < size; ++i) {
        // bits[i] is the subset's highest, at position k: the lower k - 1 come from bits[0 .. i - 1].
        countSubsets(
            bits, i, k - 1, rank + kChoose[static_cast<std::size_t>(bits[i])][static_cast<std::size_t>(k)], counts);
    }
}

// The lines as sets of runner indices, and the first numbers of each in order.
struct ReadLines {
    std::vector<std::uint32_t> sets;
    std::vector<std::array<std::int8_t, kMaxSetSize>> firsts;
    int lineSize = 0;
};

std::string numberText(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e9) {
        return std::to_string(static_cast<long long>(value));
    }
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    return text;
}

// What the counts are prepared for: the shapes of every class the bet types have.
struct Needs {
    std::array<bool, kMaxSetSize + 1> counts {}; // lines holding each set of this size
    std::array<bool, kMaxSetSize + 1> withRunner {}; // and, per runner, those holding the set and that runner
    bool ordered = false; // lines by their first m - 1 numbers in order, per m-th number
};

// The shapes the summing below knows: InOrder, HoldsFirst and AllAmongFirst read every place the type reads,
// HoldsFirstNotNext reads at most that many.
bool supported(const BetType& type)
{
    const int m = type.placesNeeded;
    if (m < 2 || m > kMaxPlaces) {
        return false;
    }
    for (const PayClass& pay : type.classes()) {
        const bool fits = pay.rule == ClassRule::HoldsFirstNotNext ? pay.places + 1 <= m : pay.places == m;
        if (!fits || pay.places < 1) {
            return false;
        }
    }
    return true;
}

Needs needsOf(const BetType& type, int lineSize)
{
    const int m = type.placesNeeded;
    Needs needs;
    for (const PayClass& pay : type.classes()) {
        switch (pay.rule) {
        case ClassRule::InOrder:
            needs.ordered = true;
            break;
        case ClassRule::HoldsFirst:
            needs.withRunner[static_cast<std::size_t>(m - 1)] = true;
            break;
        case ClassRule::HoldsFirstNotNext:
            needs.counts[static_cast<std::size_t>(pay.places)] = true;
            if (pay.places + 1 == m) {
                needs.withRunner[static_cast<std::size_t>(pay.places)] = true;
            } else {
                needs.counts[static_cast<std::size_t>(pay.places + 1)] = true;
            }
            break;
        case ClassRule::AllAmongFirst:
            needs.counts[static_cast<std::size_t>(lineSize)] = true;
            needs.withRunner[static_cast<std::size_t>(lineSize - 1)] = true;
            break;
        }
    }
    for (int k = 0; k < kMaxSetSize; ++k) {
        if (needs.withRunner[static_cast<std::size_t>(k)]) {
            needs.counts[static_cast<std::size_t>(k + 1)] = true;
        }
    }
    return needs;
}

// The counts the tree's leaves read.
struct LineIndex {
    int runners = 0;
    std::array<std::vector<Count>, kMaxSetSize + 1> counts; // by set size, then set rank
    std::array<std::vector<RunnerCounts>, kMaxSetSize + 1> withRunner; // by set size, then set rank, then runner
    // The first m - 1 indices of the lines, packed (at most 20 bits: the Quinté+ reads five places), to 1 + their
    // slot in ordered, or 0.
    std::vector<std::uint32_t> orderedSlots;
    std::vector<RunnerCounts> ordered; // lines whose first m numbers are the key and then the runner

    const RunnerCounts* orderedAfter(std::uint32_t key) const
    {
        const std::uint32_t slot = key < orderedSlots.size() ? orderedSlots[key] : 0;
        return slot == 0 ? nullptr : &ordered[slot - 1];
    }

    Count count(std::uint32_t set) const { return counts[static_cast<std::size_t>(std::popcount(set))][setRank(set)]; }
    const RunnerCounts& with(std::uint32_t set) const
    {
        return withRunner[static_cast<std::size_t>(std::popcount(set))][setRank(set)];
    }
};

// Runner indices plus one, five bits each: never 0, unique for up to six indices.
std::uint32_t packOrder(const std::int8_t* order, int length)
{
    std::uint32_t key = 0;
    for (int i = 0; i < length; ++i) {
        key = key << 5 | static_cast<std::uint32_t>(order[i] + 1);
    }
    return key;
}

LineIndex buildIndex(const ReadLines& lines, const Needs& needs, int runners, int places)
{
    LineIndex index;
    index.runners = runners;
    for (int k = 1; k <= kMaxSetSize; ++k) {
        if (needs.counts[static_cast<std::size_t>(k)] && k <= runners) {
            std::vector<Count>& counts = index.counts[static_cast<std::size_t>(k)];
            counts.assign(kChoose[static_cast<std::size_t>(runners)][static_cast<std::size_t>(k)], 0);
            for (std::uint32_t set : lines.sets) {
                std::array<int, 32> bits {};
                int size = 0;
                for (; set != 0; set &= set - 1) {
                    bits[static_cast<std::size_t>(size++)] = std::countr_zero(set);
                }
                countSubsets(bits.data(), size, k, 0, counts.data());
            }
        }
    }
    // The lines holding a set and one more runner are those holding the larger set: read from its counts.
    for (int k = 1; k < kMaxSetSize; ++k) {
        if (!needs.withRunner[static_cast<std::size_t>(k)] || k + 1 > runners) {
            continue;
        }
        std::vector<RunnerCounts>& with = index.withRunner[static_cast<std::size_t>(k)];
        with.assign(kChoose[static_cast<std::size_t>(runners)][static_cast<std::size_t>(k)], RunnerCounts {});
        const std::vector<Count>& larger = index.counts[static_cast<std::size_t>(k + 1)];
        const std::uint32_t all = runners == 32 ? ~0u : (1u << runners) - 1;
        forEachSubset(all, k + 1, [&](std::uint32_t set) {
            const Count count = larger[setRank(set)];
            if (count == 0) {
                return;
            }
            for (std::uint32_t bits = set; bits != 0; bits &= bits - 1) {
                const int runner = std::countr_zero(bits);
                with[setRank(set & ~(1u << runner))][static_cast<std::size_t>(runner)] += count;
            }
        });
    }
    if (needs.ordered) {
        index.orderedSlots.assign(std::size_t { 1 } << (5 * (places - 1)), 0);
        for (const auto& first : lines.firsts) {
            std::uint32_t& slot = index.orderedSlots[packOrder(first.data(), places - 1)];
            if (slot == 0) {
                index.ordered.emplace_back();
                slot = static_cast<std::uint32_t>(index.ordered.size());
            }
            ++index.ordered[slot - 1][static_cast<std::size_t>(first[static_cast<std::size_t>(places - 1)])];
        }
    }
    return index;
}

// One class at one leaf: the lines paying it when runner x takes the last place are base + sign * (*with)[x].
struct LeafClass {
    std::int64_t base = 0;
    int sign = 0;
    const RunnerCounts* with = nullptr;
    bool countedLater = false; // its lines are among a later class's lines
};

class ChanceTree {
public:
    ChanceTree(const LineIndex& index, const BetType& type, int lineSize, std::span<const double> win)
        : m_index(index)
        , m_type(type)
        , m_lineSize(lineSize)
        , m_places(type.placesNeeded)
        , m_win(win)
        , m_best(type.classes().size(), 0)
    {
        const std::span<const PayClass> classes = type.classes();
        for (std::size_t c = 0; c + 1 < classes.size(); ++c) {
            // A line that reads a1 .. ak in order holds a1 .. ak: counting it once is counting it in the next class.
            if (classes[c].rule == ClassRule::InOrder && classes[c + 1].rule == ClassRule::HoldsFirst
                && classes[c + 1].places == classes[c].places) {
                m_countedLater[c] = true;
            }
        }
    }

    void walk() { visit(0, 0, 1.0, 0.0); }

    const std::vector<double>& best() const { return m_best; }
    double expectedLines() const { return m_expected; }

private:
    void visit(int depth, std::uint32_t placed, double chance, double placedWin)
    {
        if (depth == m_places - 1) {
            leaf(placed, chance, placedWin);
            return;
        }
        for (int runner = 0; runner < m_index.runners; ++runner) {
            if (placed & (1u << runner)) {
                continue;
            }
            m_order[static_cast<std::size_t>(depth)] = static_cast<std::int8_t>(runner);
            m_prefix[static_cast<std::size_t>(depth + 1)] = placed | 1u << runner;
            visit(depth + 1, placed | 1u << runner, chance * NextPlaceChance(m_win, placed, placedWin, depth, runner),
                placedWin + m_win[static_cast<std::size_t>(runner)]);
        }
    }

    void leaf(std::uint32_t placed, double chance, double placedWin)
    {
        const std::span<const PayClass> classes = m_type.classes();
        std::array<LeafClass, kMaxPayClasses> leaf {};
        std::array<RunnerCounts, kMaxPayClasses> sums {};
        bool anyLine = false;
        for (std::size_t c = 0; c < classes.size(); ++c) {
            leaf[c] = classAtLeaf(classes[c], placed, sums[c]);
            leaf[c].countedLater = m_countedLater[c];
            anyLine = anyLine || leaf[c].base > 0 || leaf[c].with != nullptr;
        }
        if (!anyLine) {
            return;
        }
        for (int x = 0; x < m_index.runners; ++x) {
            if (placed & (1u << x)) {
                continue;
            }
            const double q = chance * NextPlaceChance(m_win, placed, placedWin, m_places - 1, x);
            bool paid = false;
            std::int64_t lines = 0;
            for (std::size_t c = 0; c < classes.size(); ++c) {
                const LeafClass& lc = leaf[c];
                const std::int64_t count = lc.base
                    + (lc.with ? lc.sign * static_cast<std::int64_t>((*lc.with)[static_cast<std::size_t>(x)]) : 0);
                if (count > 0 && !paid) {
                    m_best[c] += q;
                    paid = true;
                }
                if (!lc.countedLater) {
                    lines += count;
                }
            }
            m_expected += q * static_cast<double>(lines);
        }
    }

    LeafClass classAtLeaf(const PayClass& pay, std::uint32_t placed, RunnerCounts& sum) const
    {
        LeafClass lc;
        switch (pay.rule) {
        case ClassRule::InOrder:
            lc.with = m_index.orderedAfter(packOrder(m_order.data(), m_places - 1));
            lc.sign = 1;
            break;
        case ClassRule::HoldsFirst:
            lc.with = &m_index.with(placed);
            lc.sign = 1;
            break;
        case ClassRule::HoldsFirstNotNext:
            if (pay.places + 1 == m_places) {
                lc.base = m_index.count(placed);
                lc.with = &m_index.with(placed);
                lc.sign = -1;
            } else {
                lc.base = static_cast<std::int64_t>(m_index.count(m_prefix[static_cast<std::size_t>(pay.places)]))
                    - m_index.count(m_prefix[static_cast<std::size_t>(pay.places + 1)]);
            }
            break;
        case ClassRule::AllAmongFirst:
            // Lines within the first m - 1 places pay whoever comes next; the others need the last one.
            forEachSubset(placed, m_lineSize, [&](std::uint32_t set) { lc.base += m_index.count(set); });
            forEachSubset(placed, m_lineSize - 1, [&](std::uint32_t set) {
                const RunnerCounts& with = m_index.with(set);
                for (int x = 0; x < m_index.runners; ++x) {
                    sum[static_cast<std::size_t>(x)] += with[static_cast<std::size_t>(x)];
                }
            });
            lc.with = &sum;
            lc.sign = 1;
            break;
        }
        return lc;
    }

    const LineIndex& m_index;
    const BetType& m_type;
    int m_lineSize = 0;
    int m_places = 0;
    std::span<const double> m_win;
    std::array<bool, kMaxPayClasses> m_countedLater {};
    std::array<std::int8_t, kMaxSetSize> m_order {};
    std::array<std::uint32_t, kMaxSetSize + 1> m_prefix {};
    std::vector<double> m_best;
    double m_expected = 0;
};

Refusal refusal(Message message)
{
    return Refusal { std::move(message) };
}

} // namespace

Result<TicketChances> ComputeTicketChances(const CombinationList& list, const BetType& type,
    std::span<const Runner> runners, std::span<const double> predictionHorses)
{
    if (Result<void> checked = CheckRunners(runners); !checked) {
        return checked.refusal();
    }
    if (runners.size() < static_cast<std::size_t>(type.placesNeeded)) {
        return refusal(refuse("Le " + std::string(type.name) + " demande au moins " + std::to_string(type.placesNeeded)
            + " partants : " + std::to_string(runners.size())
            + (runners.size() < 2 ? " est donné." : " sont donnés.")));
    }
    if (!supported(type)) {
        return refusal(refuse("Les chances du " + std::string(type.name) + " ne sont pas calculées."));
    }
    std::array<std::int8_t, kMaxRunnerNumber + 1> indexOf {};
    indexOf.fill(-1);
    for (std::size_t i = 0; i < runners.size(); ++i) {
        indexOf[static_cast<std::size_t>(runners[i].number)] = static_cast<std::int8_t>(i);
    }
    const auto runnerOf = [&](double value) {
        return value >= 1 && value <= kMaxRunnerNumber && value == std::floor(value)
            ? indexOf[static_cast<std::size_t>(value)]
            : std::int8_t { -1 };
    };
    for (const double horse : predictionHorses) {
        if (runnerOf(horse) < 0) {
            return refusal(refuse("Le cheval " + numberText(horse) + " de la prédiction n'a pas de cote."));
        }
    }

    ReadLines lines;
    lines.sets.reserve(list.size());
    const bool ordered = std::any_of(type.classes().begin(), type.classes().end(),
        [](const PayClass& pay) { return pay.rule == ClassRule::InOrder; });
    int listLineSize = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        std::uint32_t set = 0;
        std::array<std::int8_t, kMaxSetSize> first {};
        int size = 0;
        double stranger = 0;
        bool strangerFound = false;
        ForEachLineNumber(list.line(i), [&](std::string_view field) {
            const double value = FieldValue(field);
            const std::int8_t runner = runnerOf(value);
            if (runner < 0) {
                if (!strangerFound) {
                    stranger = value;
                    strangerFound = true;
                }
            } else {
                set |= 1u << runner;
                if (size < kMaxSetSize) {
                    first[static_cast<std::size_t>(size)] = runner;
                }
            }
            ++size;
        });
        if (Result<void> checked = CheckNextLineSize(type, size, listLineSize); !checked) {
            return checked.refusal();
        }
        if (strangerFound) {
            return refusal(refuse("Le numéro " + numberText(stranger) + " d'une ligne n'est pas un partant."));
        }
        lines.sets.push_back(set);
        if (ordered) {
            lines.firsts.push_back(first);
        }
    }

    TicketChances chances;
    for (std::size_t c = 0; c < type.classes().size(); ++c) {
        chances.classNames.push_back(ClassName(type, static_cast<int>(c), listLineSize));
    }
    chances.bestClass.assign(type.classes().size(), 0);
    if (list.empty()) {
        return chances;
    }
    const std::vector<double> win = WinChances(runners);
    const LineIndex index
        = buildIndex(lines, needsOf(type, listLineSize), static_cast<int>(runners.size()), type.placesNeeded);
    ChanceTree tree(index, type, listLineSize, win);
    tree.walk();
    chances.bestClass = tree.best();
    for (const double best : chances.bestClass) {
        chances.gain += best;
    }
    chances.expectedPayingLines = tree.expectedLines();
    return chances;
}

} // namespace ornal
