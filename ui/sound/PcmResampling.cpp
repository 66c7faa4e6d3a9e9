#include "PcmResampling.h"

namespace korvel {
namespace {

double toUnit(std::uint8_t sample)
{
    return (static_cast<int>(sample) - 128) / 128.0;
}

}  // namespace

std::vector<std::int16_t> resampleTo16Bit(const PcmWave& wave, int outputRate)
{
    std::vector<std::int16_t> out;
    if (wave.samples.empty() || wave.sampleRate <= 0 || outputRate <= 0) {
        return out;
    }
    const std::int64_t inCount = static_cast<std::int64_t>(wave.samples.size());
    const std::int64_t outCount = inCount * outputRate / wave.sampleRate;
    out.reserve(static_cast<std::size_t>(outCount));
    for (std::int64_t i = 0; i < outCount; ++i) {
        // Position in input samples, kept exact as a fraction so long sounds do not slip.
        const std::int64_t numerator = i * wave.sampleRate;
        const std::int64_t index = numerator / outputRate;
        const double fraction = static_cast<double>(numerator % outputRate) / outputRate;
        const double a = toUnit(wave.samples[static_cast<std::size_t>(index)]);
        const double b = index + 1 < inCount ? toUnit(wave.samples[static_cast<std::size_t>(index + 1)]) : a;
        const double value = (a + (b - a) * fraction) * 32767.0;
        out.push_back(static_cast<std::int16_t>(value));
    }
    return out;
}

}  // namespace korvel
