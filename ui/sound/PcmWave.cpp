#include "PcmWave.h"

#include <string_view>

namespace korvel {
namespace {

constexpr std::uint16_t kPcmFormat = 1;

std::uint32_t littleEndian(std::span<const std::byte> bytes, std::size_t at, std::size_t width)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= std::to_integer<std::uint32_t>(bytes[at + i]) << (8 * i);
    }
    return value;
}

bool hasTag(std::span<const std::byte> bytes, std::size_t at, std::string_view tag)
{
    for (std::size_t i = 0; i < tag.size(); ++i) {
        if (bytes[at + i] != static_cast<std::byte>(tag[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<PcmWave> parsePcmWave(std::span<const std::byte> file)
{
    if (file.size() < 12 || !hasTag(file, 0, "RIFF") || !hasTag(file, 8, "WAVE")) {
        return std::nullopt;
    }
    std::optional<PcmWave> wave;
    bool formatSeen = false;
    std::size_t at = 12;
    while (at + 8 <= file.size()) {
        const std::size_t size = littleEndian(file, at + 4, 4);
        const std::size_t body = at + 8;
        if (size > file.size() - body) {
            return std::nullopt;
        }
        if (hasTag(file, at, "fmt ")) {
            if (size < 16 || littleEndian(file, body, 2) != kPcmFormat || littleEndian(file, body + 2, 2) != 1
                || littleEndian(file, body + 14, 2) != 8) {
                return std::nullopt;
            }
            wave.emplace();
            wave->sampleRate = static_cast<int>(littleEndian(file, body + 4, 4));
            formatSeen = true;
        } else if (hasTag(file, at, "data")) {
            if (!formatSeen || wave->sampleRate <= 0) {
                return std::nullopt;
            }
            for (std::size_t i = 0; i < size; ++i) {
                wave->samples.push_back(std::to_integer<std::uint8_t>(file[body + i]));
            }
            return wave;
        }
        at = body + size + (size % 2);  // chunks are padded to an even length
    }
    return std::nullopt;
}

}  // namespace korvel
