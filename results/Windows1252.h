#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvel {

// The Windows-1252 byte of a character, nothing for a character the code page lacks
// (the five unassigned bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to no character).
std::optional<unsigned char> windows1252Byte(char32_t codePoint);

// UTF-8 text in Windows-1252, one byte per character. A character the code page lacks, or
// a malformed byte, becomes "?"; the subjects table's input rules keep such characters out
// of everything that is exported.
std::string toWindows1252(std::string_view utf8);

}  // namespace korvel
