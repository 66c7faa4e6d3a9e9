#pragma once

#include <cstdint>

namespace korvel {

// Milliseconds since an arbitrary origin; wraps to 0 after 2^32 - 1.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual std::uint32_t nowMs() = 0;
};

}  // namespace korvel
