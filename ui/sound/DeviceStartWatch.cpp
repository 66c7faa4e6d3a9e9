#include "DeviceStartWatch.h"

#include <cstdlib>

namespace korvel {
namespace {

constexpr int kPaceTolerancePercent = 20;

}  // namespace

DeviceStartWatch::DeviceStartWatch(int sampleRate, int windowMs) : sampleRate_(sampleRate), windowMs_(windowMs) {}

bool DeviceStartWatch::atClockPace(const std::pair<std::int64_t, std::int64_t>& from,
                                   const std::pair<std::int64_t, std::int64_t>& to) const
{
    const std::int64_t expected = (to.first - from.first) * sampleRate_ / 1000;
    const std::int64_t progressed = to.second - from.second;
    return expected > 0 && std::abs(progressed - expected) * 100 <= expected * kPaceTolerancePercent;
}

bool DeviceStartWatch::steady(std::int64_t nowMs, std::int64_t playedFrames)
{
    readings_.emplace_back(nowMs, playedFrames);
    while (readings_.size() > 2 && nowMs - readings_[1].first >= windowMs_) {
        readings_.pop_front();
    }
    const auto& first = readings_.front();
    if (nowMs - first.first < windowMs_) {
        return false;
    }
    // The reading nearest the middle of the window.
    const std::int64_t middleMs = first.first + (nowMs - first.first) / 2;
    auto middle = readings_.begin();
    while (middle + 1 != readings_.end() && middle->first < middleMs) {
        ++middle;
    }
    return atClockPace(first, *middle) && atClockPace(*middle, readings_.back());
}

}  // namespace korvel
