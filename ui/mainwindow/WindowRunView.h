#pragma once

#include "RunView.h"

namespace korvel {

class CommandBar;
class ConfigurationPanel;

// The run's display as the main window sees it: the live display shows the run, and the
// window itself swaps the configuration panel and sets which commands are available.
class WindowRunView : public RunView {
public:
    WindowRunView(RunView& live, CommandBar& commands, ConfigurationPanel& configuration);

    void showRunStarted(const TestRun& run) override;
    void showBeep(const TestRun& run) override;
    void showCone(const TestRun& run) override;
    void showDistance(const TestRun& run) override;
    void showSpeed(const TestRun& run) override;
    void showRecoveryBegun(const TestRun& run) override;
    void showRecoveryTick(const TestRun& run) override;
    void showEffortBegun(const TestRun& run) override;
    void showTime(const TestRun& run) override;
    void showStopped(const TestRun& run) override;
    void showReset(const TestRun& run) override;

private:
    RunView& live_;
    CommandBar& commands_;
    ConfigurationPanel& configuration_;
};

}  // namespace korvel
