#include "BeepOnsets.h"

#include <cstdlib>

namespace korvel {

std::vector<LoudSpan> findLoudSpans(std::span<const std::int16_t> samples, int threshold, std::int64_t quietFrames)
{
    std::vector<LoudSpan> spans;
    std::int64_t lastLoud = -1;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(samples.size()); ++i) {
        if (std::abs(int{samples[static_cast<std::size_t>(i)]}) <= threshold) {
            continue;
        }
        if (spans.empty() || i - lastLoud > quietFrames) {
            spans.push_back({i, 1});
        } else {
            spans.back().lengthFrames = i - spans.back().startFrame + 1;
        }
        lastLoud = i;
    }
    return spans;
}

}  // namespace korvel
