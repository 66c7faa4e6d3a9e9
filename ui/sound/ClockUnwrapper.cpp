#include "ClockUnwrapper.h"

namespace korvel {

std::int64_t ClockUnwrapper::observe(std::uint32_t nowMs)
{
    if (!started_) {
        started_ = true;
        last_ = nowMs;
        unwrapped_ = nowMs;
        return unwrapped_;
    }
    unwrapped_ = place(nowMs);
    last_ = nowMs;
    return unwrapped_;
}

std::int64_t ClockUnwrapper::place(std::uint32_t ms) const
{
    return unwrapped_ + static_cast<std::int32_t>(ms - last_);
}

}  // namespace korvel
