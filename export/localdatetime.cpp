#include "export/localdatetime.h"

#include <cstdio>
#include <ctime>

namespace ornal {

LocalDateTime CurrentLocalDateTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec };
}

std::string ShortDate(const LocalDateTime& moment)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d/%04d", moment.day, moment.month, moment.year);
    return text;
}

} // namespace ornal
