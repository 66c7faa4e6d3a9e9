// Writes the program's sounds as 8-bit mono PCM WAV files into the directory given:
//   sonido.wav  the station beep: a loud, nearly square 437 Hz tone of 0.46 s with short
//               fades, then a few milliseconds of silence; 5167 samples at 11025 Hz.
//   alerta.wav  the recovery's warning: two short soft tones, falling, clearly unlike the beep.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 11025;

struct Tone {
    double hertz;
    int samples;
    int fadeSamples;
    double amplitude;   // of 127
    double squareness;  // 0 gives a sine; larger values flatten it towards a square
};

void appendTone(std::vector<std::uint8_t>& out, const Tone& tone)
{
    const double shape = tone.squareness > 0 ? std::tanh(tone.squareness) : 1.0;
    for (int i = 0; i < tone.samples; ++i) {
        const double phase = 2.0 * std::numbers::pi * tone.hertz * i / kRate;
        const double wave = tone.squareness > 0 ? std::tanh(tone.squareness * std::sin(phase)) / shape : std::sin(phase);
        const int fromEdge = std::min(i, tone.samples - 1 - i);
        const double envelope = fromEdge < tone.fadeSamples ? static_cast<double>(fromEdge) / tone.fadeSamples : 1.0;
        out.push_back(static_cast<std::uint8_t>(std::lround(128.0 + tone.amplitude * envelope * wave)));
    }
}

void appendSilence(std::vector<std::uint8_t>& out, int samples)
{
    out.insert(out.end(), static_cast<std::size_t>(samples), std::uint8_t{128});
}

void put(std::ofstream& file, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        file.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

bool writeWave(const std::string& path, const std::vector<std::uint8_t>& samples)
{
    std::ofstream file(path, std::ios::binary);
    const auto size = static_cast<std::uint32_t>(samples.size());
    file.write("RIFF", 4);
    put(file, 36 + size + size % 2, 4);
    file.write("WAVEfmt ", 8);
    put(file, 16, 4);     // format chunk size
    put(file, 1, 2);      // PCM
    put(file, 1, 2);      // mono
    put(file, kRate, 4);  // samples per second
    put(file, kRate, 4);  // bytes per second
    put(file, 1, 2);      // bytes per frame
    put(file, 8, 2);      // bits per sample
    file.write("data", 4);
    put(file, size, 4);
    file.write(reinterpret_cast<const char*>(samples.data()), size);
    if (size % 2 != 0) {
        file.put(0);
    }
    return static_cast<bool>(file);
}

std::vector<std::uint8_t> stationBeep()
{
    std::vector<std::uint8_t> samples;
    appendTone(samples, {.hertz = 437.0, .samples = 5072, .fadeSamples = 66, .amplitude = 112.0, .squareness = 6.0});
    appendSilence(samples, 95);
    return samples;
}

std::vector<std::uint8_t> alert()
{
    std::vector<std::uint8_t> samples;
    appendTone(samples, {.hertz = 880.0, .samples = 1323, .fadeSamples = 55, .amplitude = 80.0, .squareness = 0.0});
    appendTone(samples, {.hertz = 660.0, .samples = 1764, .fadeSamples = 55, .amplitude = 80.0, .squareness = 0.0});
    appendSilence(samples, 110);
    return samples;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    if (!writeWave(directory + "/sonido.wav", stationBeep()) || !writeWave(directory + "/alerta.wav", alert())) {
        std::fprintf(stderr, "cannot write the sounds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
