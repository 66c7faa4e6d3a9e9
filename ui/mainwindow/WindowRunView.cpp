#include "WindowRunView.h"

#include "CommandBar.h"
#include "ConfigurationPanel.h"

namespace korvel {

WindowRunView::WindowRunView(RunView& live, CommandBar& commands, ConfigurationPanel& configuration)
    : live_(live), commands_(commands), configuration_(configuration)
{
}

void WindowRunView::showRunStarted(const TestRun& run)
{
    live_.showRunStarted(run);
    configuration_.hide();
    configuration_.setTestRunning(true);
    commands_.setSituation(CommandBar::Situation::Running);
}

void WindowRunView::showBeep(const TestRun& run)
{
    live_.showBeep(run);
}

void WindowRunView::showCone(const TestRun& run)
{
    live_.showCone(run);
}

void WindowRunView::showDistance(const TestRun& run)
{
    live_.showDistance(run);
}

void WindowRunView::showSpeed(const TestRun& run)
{
    live_.showSpeed(run);
}

void WindowRunView::showRecoveryBegun(const TestRun& run)
{
    live_.showRecoveryBegun(run);
}

void WindowRunView::showRecoveryTick(const TestRun& run)
{
    live_.showRecoveryTick(run);
}

void WindowRunView::showEffortBegun(const TestRun& run)
{
    live_.showEffortBegun(run);
}

void WindowRunView::showTime(const TestRun& run)
{
    live_.showTime(run);
}

void WindowRunView::showStopped(const TestRun& run)
{
    live_.showStopped(run);
    // The panel stays hidden until the next new test; its fields take input again.
    configuration_.setTestRunning(false);
    commands_.setSituation(CommandBar::Situation::Ended);
}

void WindowRunView::showReset(const TestRun& run)
{
    live_.showReset(run);
    configuration_.show();
    configuration_.raise();
    commands_.setSituation(CommandBar::Situation::Ready);
}

}  // namespace korvel
