#include "LagWatch.h"

#include <cstdlib>

namespace korvel {
namespace {

// The stretch of the latest readings whose smallest lag is taken.
constexpr int kRecentMs = 100;

}  // namespace

LagWatch::LagWatch(std::int64_t toleranceFrames, int persistenceMs)
    : toleranceFrames_(toleranceFrames), persistenceMs_(persistenceMs)
{
}

std::optional<std::int64_t> LagWatch::lasting(std::int64_t nowMs, std::int64_t lagFrames)
{
    if (std::abs(lagFrames) <= toleranceFrames_ || (!seen_.empty() && (lagFrames > 0) != (seen_.front().second > 0))) {
        seen_.clear();
    }
    if (std::abs(lagFrames) <= toleranceFrames_) {
        return std::nullopt;
    }
    seen_.emplace_back(nowMs, lagFrames);
    // A slip of twice the tolerance is no wobble (the device ran dry through a long stall):
    // it is acted on sooner.
    const bool large = std::abs(lagFrames) > 2 * toleranceFrames_;
    if (nowMs - seen_.front().first < (large ? kRecentMs : persistenceMs_)) {
        return std::nullopt;
    }
    std::int64_t smallest = lagFrames;
    for (const auto& [ms, lag] : seen_) {
        if (nowMs - ms <= kRecentMs && std::abs(lag) < std::abs(smallest)) {
            smallest = lag;
        }
    }
    seen_.clear();
    return smallest;
}

}  // namespace korvel
