#pragma once

namespace korvel {

class TestRun;

// The live display of a run. Each call reads from the run what it shows.
class RunView {
public:
    virtual ~RunView() = default;
    virtual void showRunStarted(const TestRun& run) = 0;     // banner, lap and gauge for the first phase
    virtual void showBeep(const TestRun& run) = 0;           // gauge position and lap number
    virtual void showCone(const TestRun& run) = 0;           // the highlighted cone
    virtual void showDistance(const TestRun& run) = 0;       // metres covered
    virtual void showSpeed(const TestRun& run) = 0;          // speed text
    virtual void showRecoveryBegun(const TestRun& run) = 0;  // recovery banner, gauge in seconds
    virtual void showRecoveryTick(const TestRun& run) = 0;   // seconds of recovery elapsed
    virtual void showEffortBegun(const TestRun& run) = 0;    // effort banner, gauge in stations
    virtual void showTime(const TestRun& run) = 0;           // chronometer text
    virtual void showStopped(const TestRun& run) = 0;        // banner and gauge hidden
    virtual void showReset(const TestRun& run) = 0;          // everything back to its resting look
};

}  // namespace korvel
