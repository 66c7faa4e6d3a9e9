#include "ExportDates.h"

#include <cstdio>

namespace korvel {
namespace {

struct DateParts {
    int year;
    unsigned month;
    unsigned day;
};

DateParts dateOf(LocalTime at)
{
    const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(at)};
    return {static_cast<int>(date.year()), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day())};
}

}  // namespace

std::string exportDateText(LocalTime at)
{
    const DateParts d = dateOf(at);
    char text[32];
    std::snprintf(text, sizeof text, "%02u/%02u/%04d", d.day, d.month, d.year);
    return text;
}

std::string exportTimeText(LocalTime at)
{
    const std::chrono::hh_mm_ss time{at - std::chrono::floor<std::chrono::days>(at)};
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(time.hours().count()),
                  static_cast<int>(time.minutes().count()));
    return text;
}

std::string exportFileDateText(LocalTime at)
{
    const DateParts d = dateOf(at);
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%02d", d.day, d.month, d.year % 100);
    return text;
}

}  // namespace korvel
