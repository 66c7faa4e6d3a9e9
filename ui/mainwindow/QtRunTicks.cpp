#include "QtRunTicks.h"

namespace korvel {
namespace {

void setUp(QTimer& timer, int intervalMs, std::function<void()> tick)
{
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(intervalMs);
    QObject::connect(&timer, &QTimer::timeout, &timer, std::move(tick));
}

// A timer already running keeps its rhythm.
void keep(QTimer& timer, bool on)
{
    if (on && !timer.isActive()) {
        timer.start();
    } else if (!on) {
        timer.stop();
    }
}

}  // namespace

QtRunTicks::QtRunTicks(std::function<void()> station, std::function<void()> recovery,
                       std::function<void()> chrono, QObject* parent)
    : QObject(parent)
{
    setUp(station_, kStationMs, std::move(station));
    setUp(recovery_, kRecoveryMs, std::move(recovery));
    setUp(chrono_, kChronoMs, std::move(chrono));
}

void QtRunTicks::switchTicks(TickSet ticks)
{
    keep(station_, ticks.station);
    keep(recovery_, ticks.recovery);
    keep(chrono_, ticks.chrono);
}

TickSet QtRunTicks::running() const
{
    return {.station = station_.isActive(), .recovery = recovery_.isActive(), .chrono = chrono_.isActive()};
}

}  // namespace korvel
