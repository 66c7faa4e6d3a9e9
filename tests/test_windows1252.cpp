#include "Utf8.h"
#include "Windows1252.h"

#include <gtest/gtest.h>

#include <string>

namespace korvel {
namespace {

std::string utf8Of(char32_t c)
{
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

struct ByteCase {
    char32_t character;
    unsigned char byte;
};

class Windows1252Bytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(Windows1252Bytes, CharacterBecomesItsByte)
{
    const ByteCase& c = GetParam();
    EXPECT_EQ(windows1252Byte(c.character), c.byte);
    EXPECT_EQ(toWindows1252(utf8Of(c.character)), std::string(1, static_cast<char>(c.byte)));
}

// The range that differs from Latin-1, both ends of the Latin-1 half and the characters of
// the program's own texts.
INSTANTIATE_TEST_SUITE_P(CodePage, Windows1252Bytes,
    ::testing::Values(ByteCase{U'€', 0x80}, ByteCase{U'‚', 0x82}, ByteCase{U'ƒ', 0x83}, ByteCase{U'„', 0x84},
                      ByteCase{U'…', 0x85}, ByteCase{U'†', 0x86}, ByteCase{U'‡', 0x87}, ByteCase{U'ˆ', 0x88},
                      ByteCase{U'‰', 0x89}, ByteCase{U'Š', 0x8A}, ByteCase{U'‹', 0x8B}, ByteCase{U'Œ', 0x8C},
                      ByteCase{U'Ž', 0x8E}, ByteCase{U'‘', 0x91}, ByteCase{U'’', 0x92}, ByteCase{U'“', 0x93},
                      ByteCase{U'”', 0x94}, ByteCase{U'•', 0x95}, ByteCase{U'–', 0x96}, ByteCase{U'—', 0x97},
                      ByteCase{U'˜', 0x98}, ByteCase{U'™', 0x99}, ByteCase{U'š', 0x9A}, ByteCase{U'›', 0x9B},
                      ByteCase{U'œ', 0x9C}, ByteCase{U'ž', 0x9E}, ByteCase{U'Ÿ', 0x9F}, ByteCase{0x00A0, 0xA0},
                      ByteCase{U'º', 0xBA}, ByteCase{U'á', 0xE1}, ByteCase{U'ñ', 0xF1}, ByteCase{U'¿', 0xBF},
                      ByteCase{U'ÿ', 0xFF}, ByteCase{U'~', 0x7E}, ByteCase{U'\r', 0x0D}));

TEST(Windows1252, CharactersOutsideTheCodePageHaveNoByte)
{
    for (char32_t c : {U'ł', U'Ł', U'ő', char32_t{0x20AD}, char32_t{0x81}, char32_t{0x8D}, char32_t{0x8F}, char32_t{0x90},
                       char32_t{0x9D}, char32_t{0x85}, U'😀', kInvalidCodePoint}) {
        EXPECT_EQ(windows1252Byte(c), std::nullopt) << static_cast<unsigned long>(c);
    }
    EXPECT_EQ(toWindows1252("Michał 😀"), "Micha? ?");
}

TEST(Windows1252, MalformedUtf8BecomesOneQuestionMarkPerByte)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    for (const Case& c : {Case{"a\xC3", "a?"},                 // truncated at the end
                          Case{"\xE2\x82z", "??z"},            // truncated before another character
                          Case{"\x80", "?"},                   // lone continuation byte
                          Case{"\xC0\xAF", "??"},              // overlong "/"
                          Case{"\xED\xA0\x80", "???"},         // surrogate
                          Case{"\xF4\x90\x80\x80", "????"},    // past U+10FFFF
                          Case{"\xFF", "?"}}) {
        EXPECT_EQ(toWindows1252(c.text), c.expected) << c.text;
    }
}

TEST(Utf8, DecodesEveryLength)
{
    EXPECT_EQ(firstUtf8Char("A").codePoint, U'A');
    EXPECT_EQ(firstUtf8Char("ñx").codePoint, U'ñ');
    EXPECT_EQ(firstUtf8Char("ñx").length, 2u);
    EXPECT_EQ(firstUtf8Char("€").length, 3u);
    EXPECT_EQ(firstUtf8Char("😀").codePoint, U'😀');
    EXPECT_EQ(firstUtf8Char("😀").length, 4u);
}

}  // namespace
}  // namespace korvel
