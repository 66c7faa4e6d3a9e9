#pragma once

#include <cstddef>
#include <string_view>

namespace korvel {

// Stands for a byte sequence that is not well-formed UTF-8.
constexpr char32_t kInvalidCodePoint = 0xFFFFFFFF;

// The first character of a UTF-8 text and how many bytes it takes.
struct Utf8Char {
    char32_t codePoint;  // kInvalidCodePoint for a malformed sequence
    std::size_t length;  // at least 1 for a non-empty text, so a scan always advances
};

// Decodes the character at the start of text (which must not be empty). Overlong forms,
// surrogates and values past U+10FFFF are malformed; a malformed start byte takes one byte.
Utf8Char firstUtf8Char(std::string_view text);

}  // namespace korvel
