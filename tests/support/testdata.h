#pragma once

// The files under tests/data, found through the folder the build names.

#include <filesystem>

namespace ornal {

// A game written as the first version of the format has it, with none of the members added since: 5 horses, bets
// of 2, one base (the 9, in box 2), the four lines "-4-9-", "-12-9-", "-1-9-", "-7-9-".
inline std::filesystem::path Version1Game()
{
    return std::filesystem::path(ORNAL_TEST_DATA) / "version1-game.ornal";
}

} // namespace ornal
