#include "ElapsedMillisecondClock.h"

namespace korvel {

ElapsedMillisecondClock::ElapsedMillisecondClock()
{
    timer_.start();
}

std::uint32_t ElapsedMillisecondClock::nowMs()
{
    return static_cast<std::uint32_t>(timer_.elapsed());  // keeps the low 32 bits: wraps as the run expects
}

}  // namespace korvel
