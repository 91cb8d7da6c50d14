#pragma once

#include "document/savedgame.h"

#include "engine/refusal.h"

#include <string>
#include <string_view>

namespace ornal {

// The JSON text of a game file holding game: readable, one list line per text line, ending with a line feed.
// Texts CheckGame refuses are not written as they are (invalid UTF-8 becomes U+FFFD): check the game first.
std::string GameToJson(const SavedGame& game);

// A game read from a file's text, or what is wrong with it: a refusal whose text is French, without a capital or a
// full stop, so that it ends a sentence naming the file.
using GameReading = Result<SavedGame>;

// Reads and checks the text of a game file: JSON syntax, format name, version, every member's type and range, every
// line's shape; nothing is thrown.
GameReading GameFromJson(std::string_view bytes);

} // namespace ornal
