#pragma once

#include "EditionProfile.h"
#include "RunPhase.h"
#include "RunReading.h"
#include "RunTicks.h"
#include "TestMode.h"
#include "WallClock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvel {

class BeepSink;
class MillisecondClock;
class RunConfiguration;
class RunSubjects;
class RunView;

// Everything the run talks to; all must outlive the run.
struct RunPorts {
    MillisecondClock& clock;
    WallClock& wallClock;
    BeepSink& sound;
    RunView& view;
    RunTicks& ticks;
    const RunConfiguration& configuration;
    RunSubjects& subjects;
};

// Paces a test: station beeps, effort periods, recoveries, counters and chronometer.
// Driven by the operator's commands and by three periodic ticks that are only prompts to
// read the clocks.
class TestRun {
public:
    TestRun(const EditionProfile& profile, RunPorts ports);

    // Operator commands.
    void start();
    void stop();
    void newTest();
    void previewPeriod(int period);

    // Periodic ticks.
    void stationTick();
    void recoveryTick();
    void chronoTick();

    void setSoundAvailable(bool available) { soundAvailable_ = available; }

    // The working copy of the edition's table: edits take effect from the next tick.
    PeriodTable& workingTable() { return profile_.periodTable; }

    const EditionProfile& profile() const { return profile_; }
    RunPhase phase() const { return phase_; }
    bool isRunning() const;
    std::optional<TestMode> mode() const { return mode_; }
    int startPeriod() const { return startPeriod_; }
    int currentPeriod() const { return currentPeriod_; }
    int beepCount() const { return beepCount_; }
    int lapNumber() const;
    bool warmUpActive() const { return warmUpActive_; }
    int completedPeriods() const { return completedPeriods_; }
    std::uint32_t intervalStartMs() const { return intervalStartMs_; }
    std::uint32_t lastTickMs() const { return lastTickMs_; }
    std::int32_t elapsedMs() const { return elapsedMs_; }
    int highlightedCone() const { return highlightedCone_; }
    double distance() const { return distance_; }
    const std::string& timeText() const { return timeText_; }
    const std::string& speedText() const { return speedText_; }
    const std::string& initialSpeedText() const { return initialSpeedText_; }
    bool soundAvailable() const { return soundAvailable_; }
    TickSet ticks() const { return ticks_; }

    // The values a subject's result is made of, as the display shows them now.
    RunReading reading() const;

private:
    void playBeep(std::uint32_t dueMs);
    void showSpeedLabel();
    void stationBeep(int intervalMs);
    void updateProgress();
    void beginRecovery();
    void endRecovery(int durationMs);
    void setTicks(TickSet ticks);
    std::uint32_t elapsedSince(std::uint32_t originMs) const;

    EditionProfile profile_;
    RunPorts ports_;

    RunPhase phase_ = RunPhase::Idle;
    std::optional<TestMode> mode_;
    int startPeriod_ = 1;
    int currentPeriod_ = 0;
    int beepCount_ = 0;
    bool warmUpActive_ = true;
    int completedPeriods_ = 0;
    std::uint32_t intervalStartMs_ = 0;
    std::uint32_t lastTickMs_ = 0;
    std::int32_t elapsedMs_ = 0;
    int highlightedCone_ = 0;
    double distance_ = 0.0;
    LocalTime chronoStart_{};
    LocalTime chronoNow_{};
    std::string timeText_ = "00:00";
    std::string speedText_ = "0";
    std::string initialSpeedText_;
    bool soundAvailable_ = false;
    TickSet ticks_;
};

}  // namespace korvel
