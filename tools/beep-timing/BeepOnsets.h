#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace korvel {

// A loud stretch of a recording.
struct LoudSpan {
    std::int64_t startFrame;   // first sample above the threshold
    std::int64_t lengthFrames;
};

// Loud stretches separated by at least `quietFrames` below `threshold`; the nearly square
// beep dips under the threshold at every zero crossing, far more briefly than that.
std::vector<LoudSpan> findLoudSpans(std::span<const std::int16_t> samples, int threshold, std::int64_t quietFrames);

}  // namespace korvel
