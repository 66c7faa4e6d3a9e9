#pragma once

#include <cstdint>
#include <deque>
#include <utility>

namespace korvel {

// Tells when a newly opened device really plays. Some report progress before they play
// (PulseAudio takes a first block at once, then nothing for a second or more), so the
// reported position must advance at the clock's pace, in both halves of a window, before
// the stream ties its timeline to it.
class DeviceStartWatch {
public:
    DeviceStartWatch(int sampleRate, int windowMs);

    // A reading of the frames played at nowMs; true once the device plays steadily.
    bool steady(std::int64_t nowMs, std::int64_t playedFrames);
    void reset() { readings_.clear(); }

private:
    bool atClockPace(const std::pair<std::int64_t, std::int64_t>& from,
                     const std::pair<std::int64_t, std::int64_t>& to) const;

    int sampleRate_;
    int windowMs_;
    std::deque<std::pair<std::int64_t, std::int64_t>> readings_;  // (ms, frames played)
};

}  // namespace korvel
