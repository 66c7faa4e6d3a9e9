#pragma once

#include "SubjectColumn.h"

#include <string>
#include <string_view>

namespace korvel {

// Whether a character typed into a cell of this column is kept. The separator ";" and any
// character that Windows-1252 lacks are dropped in the typed columns, so that the table
// shows exactly what the export file will hold. Control characters pass here because the
// editing keys (backspace, enter) arrive as such; they never reach a cell (cellInput).
bool acceptsTypedCharacter(SubjectColumn column, char32_t typed);

// What a typed column keeps of a text, however the text arrives (typed, pasted or set by
// the program): the characters refused above and control characters are dropped, and the
// rest is cut at the column's limit, counted in characters. Other columns keep the text
// as it is.
std::string cellInput(SubjectColumn column, std::string_view text);

}  // namespace korvel
