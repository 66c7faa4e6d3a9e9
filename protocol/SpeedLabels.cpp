#include "SpeedLabels.h"

namespace korvel {

std::optional<std::string> speedLabel(int period)
{
    if (period < kFirstLabelledPeriod || period > kLastLabelledPeriod) {
        return std::nullopt;
    }
    // Work in tenths so that no floating-point rounding can touch the digit.
    const int tenths = 42 + 6 * (period - 1);
    return std::to_string(tenths / 10) + "," + std::to_string(tenths % 10);
}

}  // namespace korvel
