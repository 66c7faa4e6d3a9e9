#include "QtWallClock.h"

namespace korvel {

LocalTime QtWallClock::localNow()
{
    return toLocalTime(QDateTime::currentDateTime());
}

LocalTime toLocalTime(const QDateTime& local)
{
    const QDate date = local.date();
    const std::chrono::local_days day{std::chrono::year{date.year()} / date.month() / date.day()};
    return day + std::chrono::milliseconds{local.time().msecsSinceStartOfDay()};
}

}  // namespace korvel
