#include "ConeMarker.h"
#include "CourtPanel.h"
#include "FlatButton.h"
#include "LiveDisplay.h"
#include "ProgressGauge.h"
#include "StoredColors.h"
#include "TestRun.h"
#include "support/FakeRunPorts.h"

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace korvel {
namespace {

// The main window's share, reduced to the panels the display is given, at their places.
class LiveDisplayTest : public ::testing::Test {
protected:
    void build(SportEdition edition)
    {
        const EditionProfile& profile = profileFor(edition);
        window = std::make_unique<QWidget>();
        window->resize(826, 592);
        auto* duration = new QWidget(window.get());
        duration->setGeometry(26, 79, 437, 98);
        auto* speed = new QWidget(window.get());
        speed->setGeometry(26, 182, 437, LiveDisplay::kMarkHeight + 4);
        speedBox = new QLineEdit(window.get());
        court = new CourtPanel(profile.court, window.get());
        court->move(468, 79);
        display = std::make_unique<LiveDisplay>(profile, LivePanels{duration, speed, window.get(), speedBox, court});
        run = std::make_unique<TestRun>(
            profile, RunPorts{clocks, clocks, sink, *display, ticks, configuration, subjects});
    }

    // Choosing a mode resets the run before the first start.
    void start()
    {
        run->newTest();
        run->start();
    }

    void nextBeep()
    {
        const int interval = *intervalFor(run->profile().periodTable, run->currentPeriod());
        clocks.now = run->intervalStartMs() + static_cast<std::uint32_t>(interval) + 1;
        run->stationTick();
    }

    void beeps(int count)
    {
        for (int i = 0; i < count; ++i) {
            nextBeep();
        }
    }

    void recoveryTickAt(int elapsedMs)
    {
        clocks.now = run->intervalStartMs() + static_cast<std::uint32_t>(elapsedMs);
        run->recoveryTick();
    }

    void finishRecovery()
    {
        const int duration = run->warmUpActive() ? run->profile().preTestRecoveryMs : run->profile().recoveryMs;
        recoveryTickAt(duration + 1);
    }

    void runWholePeriod()
    {
        beeps(run->profile().beepsPerPeriod);
        finishRecovery();
    }

    template <typename W>
    W& widget(const char* name)
    {
        auto* found = window->findChild<W*>(QString::fromLatin1(name));
        if (found == nullptr) {
            throw std::runtime_error(name);
        }
        return *found;
    }

    QString text(const char* name) { return widget<QLabel>(name).text(); }
    bool shown(const char* name) { return widget<QWidget>(name).isVisibleTo(window.get()); }
    ProgressGauge& gauge() { return widget<ProgressGauge>("GaugeRec"); }

    // The mark seen: the topmost of the two that is shown.
    QString markInFront()
    {
        const QObjectList& stack = widget<QWidget>("PanelStart").parentWidget()->children();
        for (auto it = stack.crbegin(); it != stack.crend(); ++it) {
            const auto* mark = qobject_cast<const FlatButton*>(*it);
            if (mark != nullptr && mark->isVisibleTo(window.get())) {
                return mark->objectName();
            }
        }
        return QStringLiteral("none");
    }

    std::vector<int> shownCones() const
    {
        std::vector<int> cones;
        for (int i = 0; i < court->coneCount(); ++i) {
            if (court->cone(i).isVisibleTo(court)) {
                cones.push_back(i + 1);
            }
        }
        return cones;
    }

    // The one cone shown, numbered from 1, after checking it is lit.
    int litCone()
    {
        const std::vector<int> cones = shownCones();
        if (cones.size() != 1) {
            return -1;
        }
        const ConeMarker& cone = court->cone(cones.front() - 1);
        EXPECT_EQ(cone.fillColor(), toQColor(65535));
        EXPECT_TRUE(cone.isSolid());
        return cones.front();
    }

    testing::FakeClocks clocks;
    testing::RecordingSink sink{clocks};
    testing::RecordingTicks ticks;
    testing::FakeConfiguration configuration;
    testing::RecordingSubjects subjects;
    std::unique_ptr<QWidget> window;
    QLineEdit* speedBox = nullptr;
    CourtPanel* court = nullptr;
    std::unique_ptr<LiveDisplay> display;
    std::unique_ptr<TestRun> run;
};

TEST_F(LiveDisplayTest, WindowOpensWithCountersAtZeroAndThePhaseRowHidden)
{
    build(SportEdition::Basket);
    EXPECT_EQ(text("EditCrono"), "00:00");
    EXPECT_EQ(text("EditCompletados"), "0");
    EXPECT_EQ(text("Panel_Distancia"), "0");
    EXPECT_EQ(text("Velocidad"), "0");
    EXPECT_FALSE(shown("PanelRecVel"));
    EXPECT_FALSE(shown("GaugeRec"));
    EXPECT_FALSE(shown("LabelVueltaN"));
    EXPECT_FALSE(shown("EditVuelta"));
    EXPECT_FALSE(shown("EditPeriodo"));
    EXPECT_FALSE(shown("EditPitido"));
    EXPECT_EQ(gauge().maximum(), 30);
    EXPECT_TRUE(shown("PanelStart"));
    EXPECT_TRUE(shown("PanelStop"));
    EXPECT_EQ(court->pictureOnTop(), 1);
    EXPECT_TRUE(court->restMarker().isVisibleTo(court));
    EXPECT_TRUE(shownCones().empty());
}

TEST_F(LiveDisplayTest, FutsalCourtShowsItsWholeLayoutUntilTheFirstReset)
{
    build(SportEdition::FutSal);
    EXPECT_EQ(shownCones().size(), 14u);
    run->newTest();
    EXPECT_EQ(shownCones(), std::vector<int>{1});
}

TEST_F(LiveDisplayTest, PhaseRowAndLapCounterFollowTheLayoutRules)
{
    build(SportEdition::Basket);
    const QRect mark = widget<QWidget>("PanelStart").geometry();
    EXPECT_EQ(mark, QRect(403, 0, 34, 45));
    EXPECT_EQ(widget<QWidget>("PanelStop").geometry(), mark);
    const QRect banner = widget<QWidget>("PanelRecVel").geometry();
    EXPECT_EQ(banner.size(), QSize(404, 17));
    EXPECT_EQ(banner.right(), mark.left()) << "the banner reaches one pixel into the marks";
    EXPECT_EQ(gauge().height(), 18);
    EXPECT_EQ(gauge().width(), mark.left() - 2 * gauge().x());
    EXPECT_EQ(widget<QWidget>("EditVuelta").geometry(), QRect(780, 550, 18, 16));
    const QRect caption = widget<QWidget>("LabelVueltaN").geometry();
    EXPECT_EQ(caption.topLeft(), QPoint(721, 550));
    EXPECT_EQ(caption.right(), 780) << "the caption ends one pixel inside the box";
}

TEST_F(LiveDisplayTest, CountersHaveTheirSizes)
{
    build(SportEdition::Basket);
    EXPECT_EQ(widget<QWidget>("PanelParamtros").parentWidget()->size(), QSize(437, 98));
    EXPECT_EQ(text("PanelParamtros"), "Parámetros");
    EXPECT_EQ(widget<QWidget>("EditCrono").size(), QSize(152, 36));
    EXPECT_EQ(widget<QWidget>("EditCompletados").size(), QSize(77, 36));
    EXPECT_EQ(widget<QWidget>("Panel_Distancia").size(), QSize(102, 36));
    EXPECT_EQ(widget<QWidget>("Velocidad").size(), QSize(99, 36));
    const QRect counters = widget<QWidget>("EditCrono").geometry() | widget<QWidget>("Velocidad").geometry();
    EXPECT_TRUE(QRect(0, 0, 437, 98).contains(counters));
}

struct StartCase {
    bool warmUp;
    const char* banner;
};

class RunStartTest : public LiveDisplayTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(RunStartTest, StartShowsTheEffortLook)
{
    build(SportEdition::Basket);
    configuration.warmUp = GetParam().warmUp;
    start();
    EXPECT_EQ(text("PanelRecVel"), GetParam().banner);
    const QPalette banner = widget<QLabel>("PanelRecVel").palette();
    EXPECT_EQ(banner.color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(banner.color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_TRUE(shown("PanelRecVel"));
    EXPECT_TRUE(shown("GaugeRec"));
    EXPECT_TRUE(shown("LabelVueltaN"));
    EXPECT_TRUE(shown("EditVuelta"));
    EXPECT_EQ(text("EditVuelta"), "1");
    EXPECT_EQ(text("EditCompletados"), "0");
    EXPECT_EQ(gauge().maximum(), 36);
    EXPECT_EQ(gauge().text(), "Estación Nº: 0");
    EXPECT_EQ(gauge().colors().end, QColor(255, 128, 0));
    EXPECT_EQ(markInFront(), "PanelStart");
    EXPECT_EQ(court->pictureOnTop(), 2);
    EXPECT_FALSE(court->restMarker().isVisibleTo(court));
    EXPECT_EQ(text("Velocidad"), "4,2");
    EXPECT_EQ(speedBox->text(), "4,2 Km/h");
}

INSTANTIATE_TEST_SUITE_P(WarmUpOrNot, RunStartTest,
                         ::testing::Values(StartCase{false, "Periodo de ESFUERZO"}, StartCase{true, "CALENTAMIENTO"}));

TEST_F(LiveDisplayTest, BeepsMoveTheGaugeLapAndDistance)
{
    build(SportEdition::Basket);
    start();
    beeps(13);
    EXPECT_EQ(gauge().position(), 13);
    EXPECT_EQ(gauge().text(), "Estación Nº: 13");
    EXPECT_EQ(text("EditVuelta"), "2");
    EXPECT_EQ(text("Panel_Distancia"), "104");
    EXPECT_EQ(text("EditPitido"), "13");
}

struct ConeCase {
    SportEdition edition;
    int periodsBefore;  // whole periods run before the one watched
    std::vector<std::pair<int, int>> beepToCone;
    int effortPicture;
};

class ConeOrderTest : public LiveDisplayTest, public ::testing::WithParamInterface<ConeCase> {};

TEST_P(ConeOrderTest, ConesLightInRunningOrder)
{
    const ConeCase& c = GetParam();
    build(c.edition);
    start();
    EXPECT_EQ(litCone(), 1) << "the start cone at the start";
    for (int i = 0; i < c.periodsBefore; ++i) {
        runWholePeriod();
    }
    EXPECT_EQ(court->pictureOnTop(), c.effortPicture);
    int beepsSoFar = 0;
    for (const auto& [beep, cone] : c.beepToCone) {
        beeps(beep - beepsSoFar);
        beepsSoFar = beep;
        EXPECT_EQ(litCone(), cone) << "after beep " << beep;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editions, ConeOrderTest,
    ::testing::Values(ConeCase{SportEdition::Basket, 0, {{1, 2}, {12, 1}, {13, 2}}, 2},
                    ConeCase{SportEdition::Basket, 1, {{1, 12}, {2, 11}, {12, 1}, {13, 12}}, 4},
                    ConeCase{SportEdition::Basket, 2, {{1, 2}, {2, 3}}, 2},
                    ConeCase{SportEdition::FutSal, 1, {{1, 14}, {14, 1}}, 4},
                    ConeCase{SportEdition::Voley, 1, {{1, 2}, {2, 3}, {12, 1}}, 2}));

TEST_F(LiveDisplayTest, RecoveryShowsTheRestingLook)
{
    build(SportEdition::Basket);
    start();
    beeps(36);
    EXPECT_EQ(text("PanelRecVel"), "Periodo de RECUPERACIÓN");
    const QPalette banner = widget<QLabel>("PanelRecVel").palette();
    EXPECT_EQ(banner.color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(banner.color(QPalette::Window), QColor(149, 255, 149));
    EXPECT_EQ(gauge().maximum(), 30);
    EXPECT_EQ(gauge().text(), "0 seg.");
    EXPECT_EQ(gauge().colors().end, QColor(0, 255, 0));
    EXPECT_TRUE(shown("GaugeRec"));
    EXPECT_FALSE(shown("LabelVueltaN"));
    EXPECT_FALSE(shown("EditVuelta"));
    EXPECT_EQ(text("EditVuelta"), "0");
    EXPECT_EQ(text("EditCompletados"), "1");
    EXPECT_EQ(markInFront(), "PanelStop");
    EXPECT_TRUE(court->restMarker().isVisibleTo(court));
    EXPECT_EQ(court->pictureOnTop(), 3);
    EXPECT_EQ(text("Panel_Distancia"), "288");

    finishRecovery();
    EXPECT_EQ(text("PanelRecVel"), "Periodo de ESFUERZO");
    EXPECT_EQ(gauge().text(), "Estación Nº: 0");
    EXPECT_EQ(gauge().maximum(), 36);
    EXPECT_EQ(markInFront(), "PanelStart");
    EXPECT_FALSE(court->restMarker().isVisibleTo(court));
    EXPECT_TRUE(shown("EditVuelta"));
    EXPECT_EQ(text("EditVuelta"), "1");

    beeps(36);
    EXPECT_EQ(court->pictureOnTop(), 5) << "resting after an even count of periods";
}

TEST_F(LiveDisplayTest, VolleyballRestsOnPictureThreeAfterEveryPeriod)
{
    build(SportEdition::Voley);
    start();
    beeps(36);
    EXPECT_EQ(court->pictureOnTop(), 3);
    finishRecovery();
    EXPECT_EQ(court->pictureOnTop(), 2);
    beeps(36);
    EXPECT_EQ(court->pictureOnTop(), 3);
}

TEST_F(LiveDisplayTest, RecoveryGaugeCountsWholeSeconds)
{
    build(SportEdition::Basket);
    start();
    beeps(36);
    recoveryTickAt(29999);
    EXPECT_EQ(gauge().text(), "29 seg.");
    recoveryTickAt(30000);
    EXPECT_EQ(gauge().text(), "30 seg.");
    EXPECT_EQ(text("PanelRecVel"), "Periodo de RECUPERACIÓN") << "the recovery goes on at exactly 30 s";
    recoveryTickAt(30001);
    EXPECT_EQ(text("PanelRecVel"), "Periodo de ESFUERZO");
}

TEST_F(LiveDisplayTest, SpeedOfTheComingPeriodShowsDuringTheRecovery)
{
    build(SportEdition::Basket);
    start();
    runWholePeriod();
    runWholePeriod();
    beeps(36);
    EXPECT_EQ(text("EditCompletados"), "3");
    EXPECT_EQ(text("Velocidad"), "6,0");
    EXPECT_EQ(speedBox->text(), "6,0 Km/h");
}

TEST_F(LiveDisplayTest, WarmUpRecoveryThenTheTestProper)
{
    build(SportEdition::Basket);
    configuration.warmUp = true;
    start();
    beeps(36);
    EXPECT_EQ(text("PanelRecVel"), "RECUPERACIÓN previa al Test");
    EXPECT_EQ(gauge().maximum(), 180);
    EXPECT_EQ(gauge().text(), "0 seg.");
    EXPECT_EQ(court->pictureOnTop(), 1);
    EXPECT_EQ(markInFront(), "PanelStop");
    EXPECT_EQ(text("Panel_Distancia"), "0") << "the warm-up covers no test distance";
    finishRecovery();
    EXPECT_EQ(text("PanelRecVel"), "Periodo de ESFUERZO");
    EXPECT_EQ(court->pictureOnTop(), 2);
    EXPECT_EQ(gauge().maximum(), 36);
}

TEST_F(LiveDisplayTest, ChronometerTextReachesTheBox)
{
    build(SportEdition::Basket);
    start();
    clocks.now += 65'400;
    run->chronoTick();
    EXPECT_EQ(text("EditCrono"), "01:05");
}

TEST_F(LiveDisplayTest, StopHidesThePhaseRowAndKeepsTheCounters)
{
    build(SportEdition::Basket);
    start();
    runWholePeriod();
    beeps(4);
    run->stop();
    EXPECT_FALSE(shown("PanelRecVel"));
    EXPECT_FALSE(shown("GaugeRec"));
    EXPECT_EQ(markInFront(), "none");
    EXPECT_EQ(text("EditCompletados"), "1");
    EXPECT_EQ(text("Panel_Distancia"), "320");
    EXPECT_FALSE(court->restMarker().isVisibleTo(court));
    EXPECT_EQ(court->pictureOnTop(), 4);

    start();
    EXPECT_EQ(markInFront(), "PanelStart") << "the next start shows the running mark again";
}

TEST_F(LiveDisplayTest, ResetBringsEverythingBackToRest)
{
    build(SportEdition::Basket);
    start();
    runWholePeriod();
    beeps(4);
    clocks.now += 200'000;
    run->chronoTick();
    run->stop();
    run->newTest();

    EXPECT_EQ(text("EditCrono"), "00:00");
    EXPECT_EQ(text("EditCompletados"), "0");
    EXPECT_EQ(text("Panel_Distancia"), "0");
    EXPECT_EQ(text("EditVuelta"), "0");
    EXPECT_FALSE(shown("EditVuelta"));
    EXPECT_FALSE(shown("LabelVueltaN"));
    EXPECT_FALSE(shown("PanelRecVel"));
    EXPECT_FALSE(shown("GaugeRec"));
    EXPECT_EQ(gauge().position(), 0);
    EXPECT_EQ(gauge().maximum(), 36);
    EXPECT_EQ(gauge().prefix(), "Estación Nº: ");
    EXPECT_EQ(gauge().suffix(), "");
    EXPECT_EQ(gauge().colors().end, QColor(255, 128, 0));
    EXPECT_EQ(gauge().width(), widget<QWidget>("PanelStart").x() - 2 * gauge().x());
    EXPECT_EQ(court->pictureOnTop(), 1);
    EXPECT_TRUE(court->restMarker().isVisibleTo(court));
    EXPECT_EQ(shownCones(), std::vector<int>{1});
    for (int i = 0; i < court->coneCount(); ++i) {
        EXPECT_EQ(court->cone(i).fillColor(), QColor(255, 0, 0)) << "cone " << i + 1;
        EXPECT_FALSE(court->cone(i).isSolid()) << "cone " << i + 1;
    }
}

}  // namespace
}  // namespace korvel
