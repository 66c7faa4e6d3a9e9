#pragma once

#include "EditionProfile.h"
#include "FakeRunPorts.h"
#include "ResultRecording.h"
#include "ResultsCommands.h"
#include "ResultsFakes.h"
#include "SubjectsTable.h"
#include "TestRun.h"

#include <cstdint>

namespace korvel::testing {

// The real engine wired to the real results side, with clocks that only move when the test
// says so. Ticks arrive every 10 ms (station, recovery) and every 100 ms (chronometer), as
// the timers deliver them.
class RunHarness {
public:
    static constexpr std::uint32_t kTickMs = 10;
    static constexpr std::uint32_t kChronoTickMs = 100;

    explicit RunHarness(SportEdition edition, LocalTime startedAt = localTime(2015, 3, 14, 18, 30))
        : profile(profileFor(edition))
        , table(SubjectsTable::forEdition(profile))
        , commands({.editionTitle = profile.editionTitle,
                    .baseDirectory = [] { return std::string("/korvel"); },
                    .initialPeriod = [this] { return panel.period; },
                    .initialSpeedText = [this] { return run.initialSpeedText(); }},
                   {.table = table, .dialogs = dialogs, .writer = writer, .wallClock = clocks})
        , run(profile, {.clock = clocks,
                        .wallClock = clocks,
                        .sound = sound,
                        .view = view,
                        .ticks = timers,
                        .configuration = panel,
                        .subjects = commands})
    {
        clocks.wallOrigin = startedAt;
    }

    void choose(TestMode mode, int initialPeriod, bool warmUp)
    {
        panel.mode = mode;
        panel.period = initialPeriod;
        panel.warmUp = warmUp;
    }

    // Lets time pass up to the given moment, delivering every tick that falls due.
    void runUntil(std::uint32_t ms)
    {
        while (clocks.now + kTickMs <= ms) {
            clocks.now += kTickMs;
            const TickSet ticks = run.ticks();
            if (ticks.station) {
                run.stationTick();
            }
            if (ticks.recovery) {
                run.recoveryTick();
            }
            if (ticks.chrono && clocks.now % kChronoTickMs == 0) {
                run.chronoTick();
            }
        }
    }

    template <typename Condition>
    void runUntilTrue(Condition done)
    {
        while (!done()) {
            runUntil(clocks.now + kTickMs);
        }
    }

    // The operator presses the stop button of a row.
    void press(int row) { recordResult(table, row, run.reading()); }

    EditionProfile profile;
    FakeClocks clocks;
    RecordingSink sound{clocks};
    RecordingView view;
    RecordingTicks timers;
    FakeConfiguration panel;
    SubjectsTable table;
    FakeDialogs dialogs;
    FakeWriter writer;
    ResultsCommands commands;
    TestRun run;
};

}  // namespace korvel::testing
