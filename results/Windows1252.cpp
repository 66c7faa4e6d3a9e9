#include "Windows1252.h"

#include "Utf8.h"

#include <array>

namespace korvel {
namespace {

// The characters of bytes 0x80 to 0x9F; 0 where the byte is unassigned.
constexpr std::array<char32_t, 32> kHighControlRange{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

}  // namespace

std::optional<unsigned char> windows1252Byte(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        return static_cast<unsigned char>(codePoint);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] != 0 && kHighControlRange[i] == codePoint) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string toWindows1252(std::string_view utf8)
{
    std::string bytes;
    bytes.reserve(utf8.size());
    while (!utf8.empty()) {
        const Utf8Char c = firstUtf8Char(utf8);
        bytes.push_back(static_cast<char>(windows1252Byte(c.codePoint).value_or('?')));
        utf8.remove_prefix(c.length);
    }
    return bytes;
}

}  // namespace korvel
