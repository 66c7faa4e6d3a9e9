#pragma once

#include <chrono>

namespace korvel {

using LocalTime = std::chrono::local_time<std::chrono::milliseconds>;

// The local date and time.
class WallClock {
public:
    virtual ~WallClock() = default;
    virtual LocalTime localNow() = 0;
};

}  // namespace korvel
