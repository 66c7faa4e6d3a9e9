#include "AlertGate.h"

namespace korvel {

bool AlertGate::admit(std::uint32_t nowMs)
{
    // Differences modulo 2^32, so a wrap of the clock inside a warning changes nothing.
    const bool startsWarning = !lastRequestMs_ || nowMs - *lastRequestMs_ > kQuietGapMs;
    lastRequestMs_ = nowMs;
    return startsWarning;
}

}  // namespace korvel
