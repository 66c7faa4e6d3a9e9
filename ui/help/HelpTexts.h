#pragma once

#include "EditionProfile.h"

#include <QString>

namespace korvel {

// The help text that explains how the test is run on the given court: thirteen lines, a
// paragraph on every odd line (indented by three blanks) and an empty line between them.
// Editions that share a court share its text.
QString helpText(Court court);

}  // namespace korvel
