#pragma once

#include <cstdint>

namespace korvel {

// Where the run's sounds go. Both calls return at once; failures are the sink's own business.
class BeepSink {
public:
    virtual ~BeepSink() = default;
    // The station beep, due at dueMs on the run's MillisecondClock (usually a few
    // milliseconds ago), so that a sink can place it exactly. A new beep cuts off one still
    // sounding.
    virtual void playStationBeep(std::uint32_t dueMs) = 0;
    // The recovery's warning; requested on every tick of the warning second.
    virtual void playAlert() = 0;
};

}  // namespace korvel
