#include "Utf8.h"

namespace korvel {
namespace {

constexpr Utf8Char kMalformed{kInvalidCodePoint, 1};

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

}  // namespace

Utf8Char firstUtf8Char(std::string_view text)
{
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead < 0x80) {
        return {lead, 1};
    }
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;  // below this the sequence is an overlong form
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        code = lead & 0x1F;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        code = lead & 0x0F;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        code = lead & 0x07;
        smallest = 0x10000;
    } else {
        return kMalformed;
    }
    if (text.size() < length) {
        return kMalformed;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!isContinuation(byte)) {
            return kMalformed;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return kMalformed;
    }
    return {code, length};
}

}  // namespace korvel
