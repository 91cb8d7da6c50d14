#pragma once

#include <cstddef>
#include <string_view>

namespace ornal {

// Field number index (from 0) of text cut at every separator; empty when text has no such field. Not trimmed.
std::string_view SplitField(std::string_view text, std::size_t index, char separator);

} // namespace ornal
