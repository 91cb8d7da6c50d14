#pragma once

#include <string>

namespace ornal {

// A moment of the player's local clock.
struct LocalDateTime {
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1; // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// The local clock now.
LocalDateTime CurrentLocalDateTime();

// The date in the French short date form, dd/mm/yyyy.
std::string ShortDate(const LocalDateTime& moment);

} // namespace ornal
