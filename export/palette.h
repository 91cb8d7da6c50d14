#pragma once

#include <cstdint>
#include <optional>

namespace ornal {

// The colour, as 0xRRGGBB, of index 1 to 56 of the spreadsheet's standard palette; nullopt for any other index
// (automatic, none).
std::optional<std::uint32_t> PaletteColour(int index);

} // namespace ornal
