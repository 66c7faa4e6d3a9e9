#include "BeepStream.h"

#include <algorithm>

namespace korvel {
namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

BeepStream::BeepStream(BeepMixer mixer, StreamTiming timing)
    : mixer_(std::move(mixer)),
      timing_(timing),
      startWatch_(timing.sampleRate, timing.startWindowMs),
      lagWatch_(framesFor(timing.toleranceMs), timing.persistenceMs)
{
}

void BeepStream::start(std::int64_t queueFrames)
{
    queueFrames_ = queueFrames;
    anchored_ = false;
    head_ = 0;
    written_ = 0;
    skipped_ = 0;
    silenceOwed_ = 0;
    correctionHeardAt_ = 0;
    startWatch_.reset();
    lagWatch_.reset();
    mixer_.clear();
}

std::int64_t BeepStream::framesFor(std::int64_t ms) const
{
    return floorDiv(ms * timing_.sampleRate, 1000);
}

std::int64_t BeepStream::frameAt(std::int64_t ms) const
{
    // Computed from the absolute time, never accumulated, so rounding cannot add up: two
    // times d apart are always d * rate / 1000 frames apart, to the frame.
    return framesFor(ms) - originFrames_;
}

std::int64_t BeepStream::placementFrames() const
{
    // The device holds up to a whole buffer beyond what it plays; a beep is reported up to
    // the slack after its due time.
    return queueFrames_ + framesFor(timing_.placementMarginMs) + framesFor(timing_.reportSlackMs);
}

std::span<const std::int16_t> BeepStream::feed(std::uint32_t nowMs, std::int64_t freeFrames,
                                               std::int64_t playedFrames)
{
    const std::int64_t now = clock_.observe(nowMs);
    if (!anchored_ && startWatch_.steady(now, playedFrames)) {
        // The device plays: the frame it plays now is the clock's now. Opening a device can
        // take a second or more; tying the clock earlier would start with a stale latency.
        originFrames_ = framesFor(now) - playedFrames;
        anchored_ = true;
    }
    if (anchored_) {
        correct(now, playedFrames);
    }
    const std::int64_t count = std::max<std::int64_t>(freeFrames, 0);
    const std::int64_t silence = std::min(silenceOwed_, count);
    block_.assign(static_cast<std::size_t>(silence), 0);
    block_.resize(static_cast<std::size_t>(count));
    mixer_.render(head_, std::span(block_).subspan(static_cast<std::size_t>(silence)));
    silenceOwed_ -= silence;
    skipped_ -= silence;
    head_ += count - silence;
    written_ += count;
    return block_;
}

void BeepStream::correct(std::int64_t nowMs, std::int64_t playedFrames)
{
    // A correction is only heard once the device has played up to it; judging earlier would
    // count the same lag twice.
    if (playedFrames < correctionHeardAt_) {
        return;
    }
    const std::optional<std::int64_t> lag = lagWatch_.lasting(nowMs, frameAt(nowMs) - (playedFrames + skipped_));
    if (!lag) {
        return;
    }
    if (*lag > 0) {
        // Behind: what lies between could only be played late.
        head_ += *lag;
        skipped_ += *lag;
        correctionHeardAt_ = written_;
    } else {
        // Ahead (a device that runs fast): wait in silence.
        silenceOwed_ = -*lag;
        correctionHeardAt_ = written_ + silenceOwed_;
    }
}

void BeepStream::addBeep(std::uint32_t dueMs, std::uint32_t nowMs)
{
    if (!anchored_) {
        return;
    }
    const std::int64_t now = clock_.observe(nowMs);
    const std::int64_t due = clock_.place(dueMs);
    if (now - due > timing_.placementMarginMs + timing_.reportSlackMs + timing_.maxLateMs) {
        return;  // reported after a stall, too late to be of use whatever the device's state
    }
    if (const std::optional<std::int64_t> start = playableFrom(frameAt(due) + placementFrames())) {
        mixer_.addBeep(*start);
    }
}

void BeepStream::addAlert(std::uint32_t nowMs)
{
    if (!anchored_) {
        return;
    }
    if (const std::optional<std::int64_t> start = playableFrom(frameAt(clock_.observe(nowMs)) + placementFrames())) {
        mixer_.addAlert(*start);
    }
}

std::optional<std::int64_t> BeepStream::playableFrom(std::int64_t start) const
{
    if (start >= head_) {
        return start;
    }
    if (head_ - start > framesFor(timing_.maxLateMs)) {
        return std::nullopt;
    }
    return head_;
}

}  // namespace korvel
