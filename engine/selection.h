#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace ornal {

inline constexpr int kNumberBoxCount = 20;

// What the window's selection controls hold when a computation starts, read as they stand.
struct Selection {
    std::string horseCountText; // NombreChevaux
    std::string betSizeText = " "; // Jeu; " " is its blank item
    bool betSizeShown = false; // whether Jeu is visible, so that it can take the focus
    std::int16_t baseCount = -1; // BaseCount: -1 without bases, otherwise 1 to 3
    std::array<std::string, kNumberBoxCount> numbers {}; // Text1(i), exactly as the boxes hold them
    std::array<bool, kNumberBoxCount> shown {}; // Text1(i) visible
    std::array<bool, kNumberBoxCount> marks {}; // Check1(i) ticked
};

} // namespace ornal
