#pragma once

#include <string_view>

namespace ornal {

// The width of text set in Arial (or a face with its metrics, such as Liberation Sans) at sizePoints, in pixels at
// 96 dots an inch, from the face's character widths. Characters outside Latin-1 count as a digit's width.
double ArialTextPixels(std::string_view text, double sizePoints, bool bold);

} // namespace ornal
