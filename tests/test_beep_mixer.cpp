#include "BeepMixer.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace korvel {
namespace {

constexpr std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
constexpr std::int16_t kMin = std::numeric_limits<std::int16_t>::min();

// Renders frames [0, count) in blocks of `block`, as a feeder would.
std::vector<std::int16_t> renderAll(BeepMixer& mixer, std::int64_t count, std::int64_t block)
{
    std::vector<std::int16_t> out(static_cast<std::size_t>(count));
    for (std::int64_t from = 0; from < count; from += block) {
        const std::int64_t n = std::min(block, count - from);
        mixer.render(from, std::span(out).subspan(static_cast<std::size_t>(from), static_cast<std::size_t>(n)));
    }
    return out;
}

TEST(BeepMixer, SoundsLandOnTheirFramesWhateverTheBlockSize)
{
    for (const std::int64_t block : {1, 3, 7, 64}) {
        BeepMixer mixer({10, 20, 30}, {1, 1});
        mixer.addBeep(5);
        mixer.addBeep(20);
        mixer.addAlert(11);
        const std::vector<std::int16_t> expected = {0, 0, 0, 0, 0, 10, 20, 30, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, 10, 20, 30, 0};
        EXPECT_EQ(renderAll(mixer, 24, block), expected) << "block " << block;
    }
}

TEST(BeepMixer, AlertOverABeepAddsAndSaturates)
{
    BeepMixer mixer({kMax, kMin, 100}, {1000, -1000, 1000});
    mixer.addBeep(0);
    mixer.addAlert(0);
    EXPECT_EQ(renderAll(mixer, 3, 3), (std::vector<std::int16_t>{kMax, kMin, 1100}));
}

TEST(BeepMixer, LaterBeepCutsOffEvenWhenAddedFirst)
{
    BeepMixer mixer({1, 2, 3, 4}, {});
    mixer.addBeep(6);
    mixer.addBeep(4);
    EXPECT_EQ(renderAll(mixer, 12, 2), (std::vector<std::int16_t>{0, 0, 0, 0, 1, 2, 1, 2, 3, 4, 0, 0}));
}

TEST(BeepMixer, ClearSilencesEverything)
{
    BeepMixer mixer({1, 2, 3, 4}, {5});
    mixer.addBeep(2);
    mixer.addAlert(3);
    mixer.clear();
    EXPECT_EQ(renderAll(mixer, 6, 6), std::vector<std::int16_t>(6, 0));
}

}  // namespace
}  // namespace korvel
