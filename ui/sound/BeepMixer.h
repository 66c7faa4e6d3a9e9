#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <vector>

namespace korvel {

// Renders the station beeps and the alert into a stream of 16-bit samples. Positions are
// frame numbers of the stream; the caller renders consecutive blocks and may jump over
// frames it can no longer play.
class BeepMixer {
public:
    BeepMixer(std::vector<std::int16_t> beep, std::vector<std::int16_t> alert);

    // A station beep starting at frame `start`; it cuts off any beep still sounding then.
    void addBeep(std::int64_t start);
    // The alert starting at frame `start`, over whatever else sounds.
    void addAlert(std::int64_t start);
    // Forget every sound, for a new stream.
    void clear();

    // Fills `out` with frames [from, from + out.size()); sounds wholly before `from` are
    // dropped, so rendering must move forward.
    void render(std::int64_t from, std::span<std::int16_t> out);

    std::int64_t beepFrames() const { return static_cast<std::int64_t>(beep_.size()); }

private:
    void mixBeeps(std::int64_t from, std::span<std::int16_t> out);
    void mixAlert(std::int64_t from, std::span<std::int16_t> out);

    std::vector<std::int16_t> beep_;
    std::vector<std::int16_t> alert_;
    std::deque<std::int64_t> beepStarts_;  // ascending
    std::optional<std::int64_t> alertStart_;
};

}  // namespace korvel
