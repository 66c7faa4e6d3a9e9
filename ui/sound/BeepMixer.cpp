#include "BeepMixer.h"

#include <algorithm>
#include <limits>

namespace korvel {

BeepMixer::BeepMixer(std::vector<std::int16_t> beep, std::vector<std::int16_t> alert)
    : beep_(std::move(beep)), alert_(std::move(alert))
{
}

void BeepMixer::addBeep(std::int64_t start)
{
    beepStarts_.insert(std::upper_bound(beepStarts_.begin(), beepStarts_.end(), start), start);
}

void BeepMixer::addAlert(std::int64_t start)
{
    alertStart_ = start;
}

void BeepMixer::clear()
{
    beepStarts_.clear();
    alertStart_.reset();
}

void BeepMixer::render(std::int64_t from, std::span<std::int16_t> out)
{
    std::fill(out.begin(), out.end(), std::int16_t{0});
    mixBeeps(from, out);
    mixAlert(from, out);
}

void BeepMixer::mixBeeps(std::int64_t from, std::span<std::int16_t> out)
{
    const std::int64_t to = from + static_cast<std::int64_t>(out.size());
    for (std::size_t i = 0; i < beepStarts_.size(); ++i) {
        const std::int64_t start = beepStarts_[i];
        if (start >= to) {
            break;
        }
        std::int64_t end = start + beepFrames();
        if (i + 1 < beepStarts_.size()) {
            end = std::min(end, beepStarts_[i + 1]);  // the next beep cuts this one off
        }
        for (std::int64_t frame = std::max(start, from); frame < std::min(end, to); ++frame) {
            out[static_cast<std::size_t>(frame - from)] = beep_[static_cast<std::size_t>(frame - start)];
        }
    }
    // A beep is finished once the block has passed its end or the next beep has begun.
    while (!beepStarts_.empty()
           && (beepStarts_.front() + beepFrames() <= to || (beepStarts_.size() > 1 && beepStarts_[1] <= to))) {
        beepStarts_.pop_front();
    }
}

void BeepMixer::mixAlert(std::int64_t from, std::span<std::int16_t> out)
{
    if (!alertStart_) {
        return;
    }
    const std::int64_t to = from + static_cast<std::int64_t>(out.size());
    const std::int64_t start = *alertStart_;
    const std::int64_t end = start + static_cast<std::int64_t>(alert_.size());
    for (std::int64_t frame = std::max(start, from); frame < std::min(end, to); ++frame) {
        auto& sample = out[static_cast<std::size_t>(frame - from)];
        const int sum = sample + alert_[static_cast<std::size_t>(frame - start)];
        sample = static_cast<std::int16_t>(
            std::clamp(sum, int{std::numeric_limits<std::int16_t>::min()}, int{std::numeric_limits<std::int16_t>::max()}));
    }
    if (end <= to) {
        alertStart_.reset();
    }
}

}  // namespace korvel
