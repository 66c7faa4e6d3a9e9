#pragma once

namespace korvel {

// Which periodic ticks should be arriving; the engine sets them as its phase changes.
struct TickSet {
    bool station = false;   // every 10 ms: stationTick
    bool recovery = false;  // every 10 ms: recoveryTick
    bool chrono = false;    // every 100 ms: chronoTick

    friend bool operator==(const TickSet&, const TickSet&) = default;
};

class RunTicks {
public:
    virtual ~RunTicks() = default;
    virtual void switchTicks(TickSet ticks) = 0;
};

}  // namespace korvel
