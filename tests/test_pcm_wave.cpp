#include "PcmWave.h"
#include "SoundResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace korvel {
namespace {

struct Format {
    std::uint16_t encoding = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 11025;
    std::uint16_t bits = 8;
};

void put(std::vector<std::byte>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::byte>((value >> (8 * i)) & 0xFF));
    }
}

void putTag(std::vector<std::byte>& out, const std::string& tag)
{
    for (const char c : tag) {
        out.push_back(static_cast<std::byte>(c));
    }
}

// A WAV file with an optional chunk before the format, declaring `declaredData` bytes of
// data and holding `samples`.
std::vector<std::byte> waveFile(Format format, const std::vector<std::uint8_t>& samples, bool extraChunk,
                                std::uint32_t declaredData)
{
    std::vector<std::byte> body;
    putTag(body, "WAVE");
    if (extraChunk) {
        putTag(body, "LIST");
        put(body, 3, 4);
        putTag(body, "abc");
        body.push_back(std::byte{0});  // padding to an even length
    }
    putTag(body, "fmt ");
    put(body, 16, 4);
    put(body, format.encoding, 2);
    put(body, format.channels, 2);
    put(body, format.rate, 4);
    put(body, format.rate * format.channels * format.bits / 8, 4);
    put(body, format.channels * format.bits / 8, 2);
    put(body, format.bits, 2);
    putTag(body, "data");
    put(body, declaredData, 4);
    for (const std::uint8_t s : samples) {
        body.push_back(static_cast<std::byte>(s));
    }
    std::vector<std::byte> file;
    putTag(file, "RIFF");
    put(file, static_cast<std::uint32_t>(body.size()), 4);
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

TEST(PcmWave, ReadsEightBitMonoPcm)
{
    const std::vector<std::uint8_t> samples = {128, 255, 0, 130};
    for (const bool extraChunk : {false, true}) {
        const auto wave = parsePcmWave(waveFile({}, samples, extraChunk, 4));
        ASSERT_TRUE(wave) << extraChunk;
        EXPECT_EQ(wave->sampleRate, 11025);
        EXPECT_EQ(wave->samples, samples);
    }
}

TEST(PcmWave, RejectsWhatItCannotPlay)
{
    const std::vector<std::uint8_t> samples = {128, 255, 0, 130};
    const struct {
        const char* what;
        std::vector<std::byte> file;
    } cases[] = {
        {"stereo", waveFile({.channels = 2}, samples, false, 4)},
        {"16-bit", waveFile({.bits = 16}, samples, false, 4)},
        {"compressed", waveFile({.encoding = 2}, samples, false, 4)},
        {"no rate", waveFile({.rate = 0}, samples, false, 4)},
        {"data longer than the file", waveFile({}, samples, false, 40)},
        {"empty", {}},
        {"not a wave", std::vector<std::byte>(64, std::byte{'x'})},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(parsePcmWave(c.file)) << c.what;
    }
}

// The shipped station beep: 8-bit mono at 11025 Hz, 5167 samples, a loud nearly square
// tone of about 437 Hz over about 0.46 s with short fades, silent for the last few ms.
TEST(PcmWave, StationBeepResourceHasTheBeepsShape)
{
    const auto wave = loadWaveResource(kStationBeepResource);
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->sampleRate, 11025);
    ASSERT_EQ(wave->samples.size(), 5167u);
    const auto& s = wave->samples;

    auto loud = [](std::uint8_t v) { return std::abs(v - 128) > 90; };
    const auto firstLoud = std::find_if(s.begin(), s.end(), loud) - s.begin();
    const auto lastLoud = s.rend() - std::find_if(s.rbegin(), s.rend(), loud) - 1;
    EXPECT_NEAR((lastLoud - firstLoud) / 11025.0, 0.46, 0.01);
    EXPECT_LT(std::abs(s.front() - 128), 10) << "fades in";
    EXPECT_GT(firstLoud, 10) << "fades in";

    // Nearly square: most of the tone sits near its peaks.
    const auto nearPeak = std::count_if(s.begin() + firstLoud, s.begin() + lastLoud, loud);
    EXPECT_GT(static_cast<double>(nearPeak) / static_cast<double>(lastLoud - firstLoud), 0.8);

    int crossings = 0;
    for (auto i = firstLoud + 1; i <= lastLoud; ++i) {
        crossings += (s[static_cast<std::size_t>(i - 1)] < 128) != (s[static_cast<std::size_t>(i)] < 128) ? 1 : 0;
    }
    EXPECT_NEAR(crossings / 2.0 / ((lastLoud - firstLoud) / 11025.0), 437.0, 5.0);

    const auto silentTail = std::find_if(s.rbegin(), s.rend(), [](std::uint8_t v) { return v != 128; }) - s.rbegin();
    EXPECT_GE(silentTail / 11025.0, 0.003);
    EXPECT_LE(silentTail / 11025.0, 0.015);
}

TEST(PcmWave, AlertResourceIsShortAndUnlikeTheBeep)
{
    const auto alert = loadWaveResource(kAlertResource);
    const auto beep = loadWaveResource(kStationBeepResource);
    ASSERT_TRUE(alert);
    ASSERT_TRUE(beep);
    EXPECT_GT(alert->samples.size(), 1000u);
    EXPECT_LT(alert->samples.size(), beep->samples.size());
    EXPECT_NE(alert->samples, std::vector<std::uint8_t>(alert->samples.size(), 128));
}

}  // namespace
}  // namespace korvel
