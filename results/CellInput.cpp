#include "CellInput.h"

#include "Utf8.h"
#include "Windows1252.h"

namespace korvel {
namespace {

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

}  // namespace

bool acceptsTypedCharacter(SubjectColumn column, char32_t typed)
{
    if (!isEditable(column) || isControl(typed)) {
        return true;
    }
    return typed != U';' && windows1252Byte(typed).has_value();
}

std::string cellInput(SubjectColumn column, std::string_view text)
{
    if (!isEditable(column)) {
        return std::string(text);
    }
    std::string kept;
    int characters = 0;
    while (!text.empty() && characters < inputLimit(column)) {
        const Utf8Char c = firstUtf8Char(text);
        if (!isControl(c.codePoint) && acceptsTypedCharacter(column, c.codePoint)) {
            kept.append(text.substr(0, c.length));
            ++characters;
        }
        text.remove_prefix(c.length);
    }
    return kept;
}

}  // namespace korvel
