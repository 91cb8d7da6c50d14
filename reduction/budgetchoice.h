#pragma once

#include "reduction/setsystem.h"

#include <cstdint>
#include <span>
#include <stop_token>
#include <vector>

namespace ornal {

// Choices of a given number of lines (sets) holding the heaviest weight of arrivals (elements), each arrival
// weighing weights[arrival] (finite, not negative) and counted once however many kept lines meet it.

// The weight the lines hold, summed in arrival order.
double HeldWeight(const SetSystem& sets, std::span<const double> weights, std::span<const SetSystem::Index> lines);

// Again and again the line adding most weight (the lowest line on a tie), until count lines are chosen or no line
// adds anything. Deterministic; the lines come in the order they were chosen.
std::vector<SetSystem::Index> GreedyChoice(const SetSystem& sets, std::span<const double> weights, std::size_t count);

// The same among the candidate lines only (distinct lines of sets), the earlier candidate on a tie.
std::vector<SetSystem::Index> GreedyChoice(const SetSystem& sets, std::span<const double> weights, std::size_t count,
    std::span<const SetSystem::Index> candidates);

// What an exhaustive choice found within its work.
struct ExactChoice {
    std::vector<SetSystem::Index> lines;
    double held = 0;
    bool proven = false; // no count lines hold more (the whole tree was searched)
};

// Searches every choice of count lines, branch and bound (a branch is cut when the weight held plus the largest
// gains of the lines left cannot beat the best so far, by submodularity), starting from the incumbent's weight;
// stops when its work (line-arrival looks) passes workLimit or on a stop request. Returns the heaviest choice met,
// the incumbent when none beat it; it may keep fewer than count lines when more would add nothing.
ExactChoice BestChoice(const SetSystem& sets, std::span<const double> weights, std::size_t count,
    std::span<const SetSystem::Index> incumbent, std::uint64_t workLimit, std::stop_token stop = {});

} // namespace ornal
