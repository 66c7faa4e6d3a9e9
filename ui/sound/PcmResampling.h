#pragma once

#include "PcmWave.h"

#include <cstdint>
#include <vector>

namespace korvel {

// The 8-bit sound as 16-bit signed samples at outputRate, by linear interpolation; the
// length scales with the rate, so the sound lasts as long as the original.
std::vector<std::int16_t> resampleTo16Bit(const PcmWave& wave, int outputRate);

}  // namespace korvel
