#include "platform/local_time.h"

#include <cstdio>

namespace platform {

std::string AscTime(std::time_t when) {
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &when);
#else
    localtime_r(&when, &parts);
#endif
    // Written out by hand: std::asctime shares a static buffer between threads.
    static constexpr const char* kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", kDays[parts.tm_wday % 7],
                  kMonths[parts.tm_mon % 12], parts.tm_mday, parts.tm_hour, parts.tm_min,
                  parts.tm_sec, 1900 + parts.tm_year);
    return text;
}

std::string LocalAscTimeNow() { return AscTime(std::time(nullptr)); }

}  // namespace platform
