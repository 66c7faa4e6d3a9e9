#pragma once

#include "BeepSink.h"
#include "MillisecondClock.h"
#include "RunConfiguration.h"
#include "RunSubjects.h"
#include "RunTicks.h"
#include "RunView.h"
#include "TestRun.h"
#include "WallClock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvel::testing {

// One clock for both ports: the wall clock is the millisecond clock seen from a fixed date, so
// a test moves time in one place.
class FakeClocks : public MillisecondClock, public WallClock {
public:
    std::uint32_t nowMs() override { return now; }
    LocalTime localNow() override
    {
        return wallOrigin + std::chrono::milliseconds(static_cast<std::int64_t>(now - origin));
    }

    std::uint32_t now = 0;
    std::uint32_t origin = 0;
    LocalTime wallOrigin = std::chrono::local_days{std::chrono::year{2015} / 3 / 14} + std::chrono::hours{18};
};

struct SoundEvent {
    enum Kind { Station, Alert } kind;
    std::uint32_t dueMs;   // the due time given with a station beep
    std::uint32_t heardAt; // the clock when the request was made
};

class RecordingSink : public BeepSink {
public:
    explicit RecordingSink(FakeClocks& clocks) : clocks_(clocks) {}
    void playStationBeep(std::uint32_t dueMs) override { events.push_back({SoundEvent::Station, dueMs, clocks_.now}); }
    void playAlert() override { events.push_back({SoundEvent::Alert, 0, clocks_.now}); }

    std::vector<SoundEvent> stationBeeps() const
    {
        std::vector<SoundEvent> beeps;
        for (const SoundEvent& e : events) {
            if (e.kind == SoundEvent::Station) {
                beeps.push_back(e);
            }
        }
        return beeps;
    }
    std::vector<std::uint32_t> alertTimes() const
    {
        std::vector<std::uint32_t> times;
        for (const SoundEvent& e : events) {
            if (e.kind == SoundEvent::Alert) {
                times.push_back(e.heardAt);
            }
        }
        return times;
    }

    std::vector<SoundEvent> events;

private:
    FakeClocks& clocks_;
};

// Records every display call with the run state it saw.
class RecordingView : public RunView {
public:
    struct Call {
        std::string name;
        RunPhase phase;
        int beepCount;
        int highlightedCone;
        int completedPeriods;
        int currentPeriod;
        double distance;
        std::string timeText;
        std::string speedText;
        std::int32_t elapsedMs;
    };

    void showRunStarted(const TestRun& run) override { record("showRunStarted", run); }
    void showBeep(const TestRun& run) override { record("showBeep", run); }
    void showCone(const TestRun& run) override { record("showCone", run); }
    void showDistance(const TestRun& run) override { record("showDistance", run); }
    void showSpeed(const TestRun& run) override { record("showSpeed", run); }
    void showRecoveryBegun(const TestRun& run) override { record("showRecoveryBegun", run); }
    void showRecoveryTick(const TestRun& run) override { record("showRecoveryTick", run); }
    void showEffortBegun(const TestRun& run) override { record("showEffortBegun", run); }
    void showTime(const TestRun& run) override { record("showTime", run); }
    void showStopped(const TestRun& run) override { record("showStopped", run); }
    void showReset(const TestRun& run) override { record("showReset", run); }

    std::vector<Call> named(const std::string& name) const
    {
        std::vector<Call> found;
        for (const Call& c : calls) {
            if (c.name == name) {
                found.push_back(c);
            }
        }
        return found;
    }

    std::vector<Call> calls;

private:
    void record(const char* name, const TestRun& run)
    {
        calls.push_back({name, run.phase(), run.beepCount(), run.highlightedCone(), run.completedPeriods(),
                         run.currentPeriod(), run.distance(), run.timeText(), run.speedText(), run.elapsedMs()});
    }
};

class RecordingTicks : public RunTicks {
public:
    void switchTicks(TickSet t) override { current = t; }
    TickSet current;
};

class FakeConfiguration : public RunConfiguration {
public:
    std::optional<TestMode> testMode() const override { return mode; }
    int initialPeriod() const override { return period; }
    bool warmUpOption() const override { return warmUp; }

    std::optional<TestMode> mode = TestMode::EffortTest;
    int period = 1;
    bool warmUp = false;
};

class RecordingSubjects : public RunSubjects {
public:
    void activateNamedRows() override { calls.push_back("activateNamedRows"); }
    void testStarted() override { calls.push_back("testStarted"); }
    void testStopped(const RunReading& reading) override
    {
        calls.push_back("testStopped");
        readings.push_back(reading);
    }
    void confirmUnsavedResults() override { calls.push_back("confirmUnsavedResults"); }

    std::vector<std::string> calls;
    std::vector<RunReading> readings;
};

// A run with every port faked, and a driver that moves the clock in fixed tick steps and
// delivers the ticks the run has switched on, as the timers would.
class FakeRunPorts {
public:
    FakeClocks clocks;
    RecordingSink sink{clocks};
    RecordingView view;
    RecordingTicks ticks;
    FakeConfiguration configuration;
    RecordingSubjects subjects;

    RunPorts ports() { return RunPorts{clocks, clocks, sink, view, ticks, configuration, subjects}; }

    // Advances to `until` in steps of `step` ms, delivering station and recovery ticks at every
    // step and the chronometer tick whenever a 100 ms boundary is crossed.
    void runUntil(TestRun& run, std::uint32_t until, std::uint32_t step)
    {
        while (static_cast<std::int32_t>(until - clocks.now) > 0) {
            const std::uint32_t before = clocks.now - clocks.origin;
            clocks.now += step;
            deliverTicks(run, (clocks.now - clocks.origin) / 100 != before / 100);
        }
    }

    void deliverTicks(TestRun& run, bool chrono = true)
    {
        const TickSet on = ticks.current;
        if (on.station) {
            run.stationTick();
        }
        if (on.recovery) {
            run.recoveryTick();
        }
        if (on.chrono && chrono) {
            run.chronoTick();
        }
    }
};

}  // namespace korvel::testing
