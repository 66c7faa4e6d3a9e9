#include "AlertGate.h"

#include <gtest/gtest.h>

#include <limits>

namespace korvel {
namespace {

// Counts the alerts sounded for requests every `stepMs` over the warning second starting at
// `startMs`, as the run makes them.
int alertsOverWarningSecond(AlertGate& gate, std::uint32_t startMs, std::uint32_t stepMs)
{
    int sounded = 0;
    for (std::uint32_t t = 0; t < 1000; t += stepMs) {
        sounded += gate.admit(startMs + t) ? 1 : 0;
    }
    return sounded;
}

TEST(AlertGate, OneAlertPerWarningSecond)
{
    const struct {
        const char* what;
        std::uint32_t startMs;
        std::uint32_t stepMs;
    } cases[] = {
        {"10 ms ticks", 28000, 10},
        {"late ticks", 28000, 250},
        {"across the clock's wrap", std::numeric_limits<std::uint32_t>::max() - 400, 10},
    };
    for (const auto& c : cases) {
        AlertGate gate;
        EXPECT_EQ(alertsOverWarningSecond(gate, c.startMs, c.stepMs), 1) << c.what;
    }
}

TEST(AlertGate, NextRecoveryWarnsAgain)
{
    AlertGate gate;
    EXPECT_EQ(alertsOverWarningSecond(gate, 28000, 10), 1);
    EXPECT_EQ(alertsOverWarningSecond(gate, 28000 + 34000, 10), 1);
}

}  // namespace
}  // namespace korvel
