#pragma once

#include "game/game.h"

#include "engine/preload.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace ornal {

// A game with the prediction preloaded from the command line, as the window would hold it before Valider.
inline Game Preloaded(std::string_view commandLine)
{
    Game game;
    const std::optional<PreloadFields> fields = ParsePreload(commandLine);
    EXPECT_TRUE(fields.has_value()) << commandLine;
    if (fields) {
        EXPECT_TRUE(game.preload(*fields).ok()) << commandLine;
    }
    return game;
}

} // namespace ornal
