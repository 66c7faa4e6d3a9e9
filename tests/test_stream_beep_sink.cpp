#include "MediaDevicesSoundCheck.h"
#include "MillisecondClock.h"
#include "StreamBeepSink.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class FakeClock : public MillisecondClock {
public:
    std::uint32_t nowMs() override { return now_; }
    void advance(std::uint32_t ms) { now_ += ms; }

private:
    std::uint32_t now_ = 5000;
};

// This test runs with no sound server (see tests/CMakeLists.txt): a machine without sound.
class NoSoundOutputTest : public ::testing::Test {
protected:
    FakeClock clock_;
    int systemAlerts_ = 0;
    StreamBeepSink sink_{clock_, [this] { ++systemAlerts_; }};
};

TEST_F(NoSoundOutputTest, CheckReportsNoSound)
{
    EXPECT_FALSE(MediaDevicesSoundCheck().soundAvailable());
    EXPECT_FALSE(sink_.isStreaming());
}

TEST_F(NoSoundOutputTest, WarningFallsBackToTheSystemAlertOncePerWarning)
{
    for (int warning = 0; warning < 2; ++warning) {
        for (int tick = 0; tick < 100; ++tick) {
            sink_.playAlert();
            clock_.advance(10);
        }
        clock_.advance(30000);
    }
    EXPECT_EQ(systemAlerts_, 2);
}

TEST_F(NoSoundOutputTest, StationBeepsAreSilentlyIgnored)
{
    sink_.playStationBeep(clock_.nowMs());
    QCoreApplication::processEvents();
    EXPECT_FALSE(sink_.isStreaming());
    EXPECT_EQ(systemAlerts_, 0);
}

}  // namespace
}  // namespace korvel
