#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>

namespace korvel {

// Watches how far the device's reported position lags the clock (behind > 0, ahead < 0).
// The report wobbles, so only a lag beyond the tolerance on the same side for a whole
// persistence time counts, and then only by the smallest amount it showed lately, so that
// a correction never overshoots because of a passing wobble. A lag of more than twice the
// tolerance needs to last only briefly.
class LagWatch {
public:
    LagWatch(std::int64_t toleranceFrames, int persistenceMs);

    // A lag seen at nowMs; the lag to correct, once one has lasted.
    std::optional<std::int64_t> lasting(std::int64_t nowMs, std::int64_t lagFrames);
    void reset() { seen_.clear(); }

private:
    std::int64_t toleranceFrames_;
    int persistenceMs_;
    std::deque<std::pair<std::int64_t, std::int64_t>> seen_;  // (ms, lag) since it went beyond
};

}  // namespace korvel
