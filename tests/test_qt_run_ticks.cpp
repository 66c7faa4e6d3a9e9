#include "QtRunTicks.h"
#include "QtWallClock.h"

#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(QtRunTicks, RunsExactlyTheTicksAskedFor)
{
    int station = 0;
    int recovery = 0;
    int chrono = 0;
    QtRunTicks ticks([&] { ++station; }, [&] { ++recovery; }, [&] { ++chrono; });
    EXPECT_EQ(ticks.running(), TickSet{});

    const TickSet effort{.station = true, .recovery = false, .chrono = true};
    ticks.switchTicks(effort);
    EXPECT_EQ(ticks.running(), effort);
    EXPECT_TRUE(QTest::qWaitFor([&] { return station > 0 && chrono > 0; }, 2000));
    EXPECT_EQ(recovery, 0);

    const TickSet rest{.station = false, .recovery = true, .chrono = true};
    ticks.switchTicks(rest);
    EXPECT_EQ(ticks.running(), rest);
    const int stationSoFar = station;
    EXPECT_TRUE(QTest::qWaitFor([&] { return recovery > 0; }, 2000));
    EXPECT_EQ(station, stationSoFar);

    ticks.switchTicks({});
    EXPECT_EQ(ticks.running(), TickSet{});
}

TEST(QtWallClock, KeepsTheLocalDateAndTimeToTheMillisecond)
{
    using namespace std::chrono;
    const QDateTime evening(QDate(2015, 3, 14), QTime(18, 30, 5, 250));
    const LocalTime expected = local_days{year{2015} / 3 / 14} + hours{18} + minutes{30} + seconds{5} + milliseconds{250};
    EXPECT_EQ(toLocalTime(evening), expected);
    const QDateTime newYear(QDate(2016, 1, 1), QTime(0, 0));
    EXPECT_EQ(toLocalTime(newYear) - toLocalTime(QDateTime(QDate(2015, 12, 31), QTime(23, 59, 59, 999))),
              milliseconds{1});
}

}  // namespace
}  // namespace korvel
