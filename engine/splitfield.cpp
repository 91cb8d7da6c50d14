#include "engine/splitfield.h"

namespace ornal {

std::string_view SplitField(std::string_view text, std::size_t index, char separator)
{
    std::size_t start = 0;
    for (std::size_t field = 0; field < index; ++field) {
        const std::size_t next = text.find(separator, start);
        if (next == std::string_view::npos) {
            return {};
        }
        start = next + 1;
    }
    const std::size_t end = text.find(separator, start);
    return text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

} // namespace ornal
