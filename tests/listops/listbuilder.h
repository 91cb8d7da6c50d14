#pragma once

#include "combinationlist.h"

#include <initializer_list>
#include <string_view>

namespace ornal {

inline CombinationList MakeList(std::initializer_list<std::string_view> lines)
{
    CombinationList list;
    for (std::string_view line : lines) {
        list.append(line);
    }
    return list;
}

} // namespace ornal
