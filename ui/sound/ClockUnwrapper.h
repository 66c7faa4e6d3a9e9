#pragma once

#include <cstdint>

namespace korvel {

// Turns readings of the wrapping 32-bit millisecond clock into 64-bit milliseconds that
// never wrap, so stream positions computed from them stay monotonic over any run.
class ClockUnwrapper {
public:
    // A fresh clock reading; readings must come in order, less than 2^31 ms apart.
    std::int64_t observe(std::uint32_t nowMs);
    // A time near the latest reading (before or after it, within 2^31 ms).
    std::int64_t place(std::uint32_t ms) const;

private:
    bool started_ = false;
    std::uint32_t last_ = 0;
    std::int64_t unwrapped_ = 0;
};

}  // namespace korvel
