#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace korvel {

// An 8-bit mono PCM sound as a WAV file holds it: unsigned samples, 128 is silence.
struct PcmWave {
    int sampleRate = 0;
    std::vector<std::uint8_t> samples;
};

// Reads a RIFF/WAVE file of 8-bit mono PCM; empty for anything else, so a damaged resource
// is noticed instead of being played as noise.
std::optional<PcmWave> parsePcmWave(std::span<const std::byte> file);

}  // namespace korvel
