#pragma once

#include <cstdint>

namespace ornal {

// The largest values a player may enter, shared by the window's fields, the command line's options and the saved
// game, so that no file holds what the window would refuse.

// 100 000 €: no stake a player types is larger, so anything above is a slip of the keyboard.
inline constexpr std::int64_t kMaxAmountCents = 10'000'000;

// 10 000 000 € for one unit: above any rapport a race has paid, so a larger one is a typing slip.
inline constexpr std::int64_t kMaxRapportCents = 1'000'000'000;

// The groups of the conditions.
inline constexpr int kMaxGroupCount = 5;

// The numbers of a line, the largest bet size: the most a count of a condition can ask.
inline constexpr int kMaxLineSize = 7;

// The bound on the sum of a line's numbers.
inline constexpr int kMaxConditionSum = 99'999;

// A reduction's guarantee "T of P": the finishers P and the numbers T of them found in one line.
inline constexpr int kMostFinishers = 20;
inline constexpr int kMostInLine = 7;

} // namespace ornal
