#pragma once

#include <string>
#include <string_view>

namespace ornal {

// text with each control character written as an escape ("\n", "\r", "\t", "\x1B", "\u009B"), so that a file name
// or a value quoted in a message stays on its line and sends a terminal no command. Every other byte is kept.
std::string PrintableText(std::string_view text);

} // namespace ornal
