#include "TestRun.h"

#include "BeepSink.h"
#include "MillisecondClock.h"
#include "RunConfiguration.h"
#include "RunSubjects.h"
#include "RunView.h"
#include "SpeedLabels.h"

#include <cmath>
#include <cstdio>

namespace korvel {
namespace {

constexpr TickSet kNoTicks{};
constexpr TickSet kStationTicks{.station = true, .recovery = false, .chrono = true};
constexpr TickSet kRecoveryTicks{.station = false, .recovery = true, .chrono = true};

}  // namespace

TestRun::TestRun(const EditionProfile& profile, RunPorts ports) : profile_(profile), ports_(ports) {}

bool TestRun::isRunning() const
{
    return phase_ == RunPhase::WarmUp || phase_ == RunPhase::PreTestRecovery || phase_ == RunPhase::EffortPeriod
           || phase_ == RunPhase::Recovery;
}

int TestRun::lapNumber() const
{
    return (beepCount_ - 1) / profile_.stationsPerLap + 1;
}

RunReading TestRun::reading() const
{
    return RunReading{timeText_, currentPeriod_, startPeriod_, std::llround(distance_), speedText_};
}

void TestRun::start()
{
    const std::optional<TestMode> chosen = ports_.configuration.testMode();
    if (phase_ != RunPhase::Idle || !chosen) {
        return;
    }
    mode_ = chosen;
    // A repeated period never ends, so a warm-up in that mode would never end either and
    // no result could ever be recorded: that mode runs without one.
    warmUpActive_ = ports_.configuration.warmUpOption() && *mode_ == TestMode::EffortTest;
    if (!warmUpActive_) {
        ports_.subjects.activateNamedRows();
    }

    const std::uint32_t now = ports_.clock.nowMs();
    playBeep(now);
    intervalStartMs_ = now;
    lastTickMs_ = now;
    elapsedMs_ = 0;
    chronoStart_ = ports_.wallClock.localNow();
    chronoNow_ = chronoStart_;
    setTicks(kStationTicks);

    startPeriod_ = ports_.configuration.initialPeriod();
    currentPeriod_ = startPeriod_;
    beepCount_ = 0;
    completedPeriods_ = 0;
    updateProgress();

    showSpeedLabel();
    initialSpeedText_ = speedText_;
    ports_.subjects.testStarted();

    phase_ = warmUpActive_ ? RunPhase::WarmUp : RunPhase::EffortPeriod;
    ports_.view.showRunStarted(*this);
}

void TestRun::stop()
{
    if (!isRunning()) {
        return;
    }
    setTicks(kNoTicks);
    ports_.view.showStopped(*this);
    ports_.subjects.testStopped(reading());
    phase_ = RunPhase::Stopped;
}

void TestRun::newTest()
{
    if (isRunning()) {
        return;
    }
    timeText_ = "00:00";
    beepCount_ = 0;
    completedPeriods_ = 0;
    updateProgress();
    phase_ = RunPhase::Idle;
    ports_.view.showReset(*this);
    ports_.subjects.confirmUnsavedResults();
}

void TestRun::previewPeriod(int period)
{
    if (isRunning()) {
        return;
    }
    currentPeriod_ = period;
    showSpeedLabel();
}

std::uint32_t TestRun::elapsedSince(std::uint32_t originMs) const
{
    return lastTickMs_ - originMs;  // modulo 2^32, so a wrap of the clock changes nothing
}

void TestRun::stationTick()
{
    if (phase_ != RunPhase::WarmUp && phase_ != RunPhase::EffortPeriod) {
        return;  // a tick already queued when the phase changed
    }
    lastTickMs_ = ports_.clock.nowMs();
    elapsedMs_ = static_cast<std::int32_t>(elapsedSince(intervalStartMs_));
    const std::optional<int> interval = intervalFor(profile_.periodTable, currentPeriod_);
    if (!interval) {
        return;  // beyond the table: silence until stop
    }
    if (*interval < elapsedMs_) {
        stationBeep(*interval);
    }
}

void TestRun::stationBeep(int intervalMs)
{
    // The next interval is measured from when this beep was due, not from the tick that
    // noticed it, so tick lateness never adds up. After a stall longer than a whole
    // interval the schedule starts again from this tick instead of catching up in a burst.
    std::uint32_t due = intervalStartMs_ + static_cast<std::uint32_t>(intervalMs);
    if (elapsedMs_ - intervalMs > intervalMs) {
        due = lastTickMs_;
    }
    intervalStartMs_ = due;
    playBeep(due);
    ++beepCount_;
    ports_.view.showBeep(*this);
    updateProgress();
}

void TestRun::updateProgress()
{
    const int stations = profile_.stationsPerLap;
    const int k = beepCount_ % stations;
    const bool backwards = profile_.alternatesDirection && completedPeriods_ % 2 != 0;
    highlightedCone_ = (backwards && k != 0) ? stations - k : k;
    ports_.view.showCone(*this);

    if (beepCount_ == profile_.beepsPerPeriod && mode_ == TestMode::EffortTest) {
        beginRecovery();
    }

    const double metres = completedPeriods_ * profile_.beepsPerPeriod * profile_.metresPerStation
                          + profile_.metresPerStation * beepCount_;
    distance_ = std::round(metres);
    if (!(distance_ > 0.0)) {
        distance_ = 0.0;
    }
    if (!warmUpActive_) {
        ports_.view.showDistance(*this);
    }
}

void TestRun::beginRecovery()
{
    // The recovery is timed from when the period's last beep was due, which stationBeep has
    // just made the start of the interval.
    setTicks(kRecoveryTicks);
    if (!warmUpActive_) {
        ++currentPeriod_;  // the warm-up runs at the start period's pace and does not advance it
    }
    beepCount_ = 0;
    updateProgress();
    completedPeriods_ = currentPeriod_ - startPeriod_;
    showSpeedLabel();
    phase_ = warmUpActive_ ? RunPhase::PreTestRecovery : RunPhase::Recovery;
    ports_.view.showRecoveryBegun(*this);
}

void TestRun::recoveryTick()
{
    if (phase_ != RunPhase::PreTestRecovery && phase_ != RunPhase::Recovery) {
        return;
    }
    lastTickMs_ = ports_.clock.nowMs();
    elapsedMs_ = static_cast<std::int32_t>(elapsedSince(intervalStartMs_));
    ports_.view.showRecoveryTick(*this);

    const int duration = warmUpActive_ ? profile_.preTestRecoveryMs : profile_.recoveryMs;
    if (elapsedMs_ / 1000 == (duration - 3000) / 1000) {
        ports_.sound.playAlert();
    }
    if (elapsedMs_ > duration) {
        endRecovery(duration);
    }
}

void TestRun::endRecovery(int durationMs)
{
    // The start beep is due exactly one recovery after the last beep was due; a stall longer
    // than the coming station interval restarts the schedule from this tick.
    std::uint32_t due = intervalStartMs_ + static_cast<std::uint32_t>(durationMs);
    const int comingInterval = intervalFor(profile_.periodTable, currentPeriod_).value_or(0);
    if (elapsedMs_ - durationMs > comingInterval) {
        due = lastTickMs_;
    }
    playBeep(due);
    setTicks(kStationTicks);
    intervalStartMs_ = due;
    beepCount_ = 0;
    updateProgress();
    phase_ = RunPhase::EffortPeriod;
    ports_.view.showEffortBegun(*this);

    if (warmUpActive_) {
        // The test time and distance exclude the warm-up and the recovery before the test.
        warmUpActive_ = false;
        chronoNow_ = ports_.wallClock.localNow();
        chronoStart_ = chronoNow_ - std::chrono::milliseconds(lastTickMs_ - due);
        distance_ = 0.0;
        ports_.view.showDistance(*this);
    }
    if (currentPeriod_ == startPeriod_) {
        ports_.subjects.activateNamedRows();
    }
}

void TestRun::chronoTick()
{
    if (!isRunning()) {
        return;
    }
    chronoNow_ = ports_.wallClock.localNow();
    if (warmUpActive_) {
        return;  // the test time only counts from the first effort period
    }
    const auto elapsed = std::max(std::chrono::milliseconds{0}, chronoNow_ - chronoStart_);
    const long long totalSeconds = std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
    // Minutes keep counting past the hour: a long test reads "65:00", never "05:00".
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld", totalSeconds / 60, totalSeconds % 60);
    timeText_ = text;
    ports_.view.showTime(*this);
}

void TestRun::showSpeedLabel()
{
    if (const std::optional<std::string> label = speedLabel(currentPeriod_)) {
        speedText_ = *label;
    }
    ports_.view.showSpeed(*this);
}

void TestRun::playBeep(std::uint32_t dueMs)
{
    if (soundAvailable_) {
        ports_.sound.playStationBeep(dueMs);
    }
}

void TestRun::setTicks(TickSet ticks)
{
    ticks_ = ticks;
    ports_.ticks.switchTicks(ticks);
}

}  // namespace korvel
