#pragma once

#include "BeepMixer.h"
#include "ClockUnwrapper.h"
#include "DeviceStartWatch.h"
#include "LagWatch.h"
#include "StreamTiming.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvel {

// One continuous output stream that places every sound at its time on the run's millisecond
// clock plus one constant latency, counting time in frames of a timeline tied to the clock.
// The device takes what it has room for. When its playing position falls behind the clock
// (it ran dry after a stall, or stalled itself), the stream jumps over the frames that could
// only be played late; when it gets ahead, the stream waits in silence. Either way the
// latency comes back to what it was, and stays there while the device plays steadily.
class BeepStream {
public:
    BeepStream(BeepMixer mixer, StreamTiming timing);

    // A new device stream whose buffer holds `queueFrames`; sounds of an earlier stream are
    // dropped, and the clock is tied to the stream once the device plays steadily.
    void start(std::int64_t queueFrames);

    // One writing turn: the frames to hand the device now, given room for `freeFrames` and
    // `playedFrames` of this stream played so far.
    std::span<const std::int16_t> feed(std::uint32_t nowMs, std::int64_t freeFrames, std::int64_t playedFrames);

    // The station beep due at dueMs, reported at nowMs.
    void addBeep(std::uint32_t dueMs, std::uint32_t nowMs);
    // The alert, as soon as the stream can place it.
    void addAlert(std::uint32_t nowMs);

    // Whether the clock is tied to the stream, so that sounds can be placed.
    bool placing() const { return anchored_; }
    // Frames between a beep's due time and its place on the timeline.
    std::int64_t placementFrames() const;
    // Timeline frames jumped over, less silence added, since the stream started.
    std::int64_t skippedFrames() const { return skipped_; }

private:
    std::int64_t framesFor(std::int64_t ms) const;
    std::int64_t frameAt(std::int64_t ms) const;
    void correct(std::int64_t nowMs, std::int64_t playedFrames);
    // Where a sound meant for frame `start` can still begin, if anywhere.
    std::optional<std::int64_t> playableFrom(std::int64_t start) const;

    BeepMixer mixer_;
    StreamTiming timing_;
    ClockUnwrapper clock_;
    std::int64_t queueFrames_ = 0;
    bool anchored_ = false;
    std::int64_t originFrames_ = 0;       // timeline frame 0 on the clock
    std::int64_t head_ = 0;               // next timeline frame to render
    std::int64_t written_ = 0;            // frames handed to the device
    std::int64_t skipped_ = 0;            // head_ - written_: frames jumped over less silence added
    std::int64_t silenceOwed_ = 0;        // silence still to be written to let the clock catch up
    std::int64_t correctionHeardAt_ = 0;  // written position the latest correction takes effect at
    DeviceStartWatch startWatch_;
    LagWatch lagWatch_;
    std::vector<std::int16_t> block_;
};

}  // namespace korvel
