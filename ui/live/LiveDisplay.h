#pragma once

#include "EditionProfile.h"
#include "RunView.h"

class QLabel;
class QString;
class QLineEdit;
class QWidget;

namespace korvel {

class CourtPanel;
class FlatButton;
class ProgressGauge;

// Where the live widgets go; all given by the main window, which has placed them already.
struct LivePanels {
    QWidget* duration;    // PanelDuracion (437 × 98): the counters
    QWidget* speed;       // PanelVelocidad: phase banner, gauge and the two marks
    QWidget* window;      // the main window, parent of the lap counter
    QLineEdit* speedBox;  // LabelVelocidad, on the configuration panel
    CourtPanel* court;    // the edition's court panel
};

// The display of a running test: counters, phase banner, gauge, running and resting marks,
// lap counter and court diagram. Each RunView call reads the run and changes only these
// widgets; the main window's own part (configuration panel, command bar) is not done here.
class LiveDisplay : public RunView {
public:
    // The marks' design height; the speed panel is made this plus 4 high.
    static constexpr int kMarkHeight = 41;

    LiveDisplay(const EditionProfile& profile, const LivePanels& panels);

    ProgressGauge& gauge() { return *gauge_; }

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
    void buildCounters(QWidget* panel, const EditionProfile& profile);
    void buildPhaseRow(QWidget* panel, const EditionProfile& profile);
    void buildLapCounter(QWidget* window, const EditionProfile& profile);
    void showBanner(const QString& text, bool recovery);
    void setEffortGauge(const TestRun& run);
    void setLapShown(bool shown);
    void bringMarkForward(FlatButton* mark);

    CourtPanel* court_;
    QLineEdit* speedBox_;
    QLabel* crono_ = nullptr;
    QLabel* completed_ = nullptr;
    QLabel* distance_ = nullptr;
    QLabel* speed_ = nullptr;
    QLabel* period_ = nullptr;
    QLabel* beep_ = nullptr;
    QLabel* banner_ = nullptr;
    ProgressGauge* gauge_ = nullptr;
    FlatButton* runningMark_ = nullptr;
    FlatButton* restingMark_ = nullptr;
    QLabel* lapCaption_ = nullptr;
    QLabel* lapNumber_ = nullptr;
};

}  // namespace korvel
