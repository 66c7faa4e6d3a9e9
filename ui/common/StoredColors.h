#pragma once

#include "EditionProfile.h"

#include <QColor>

namespace korvel {

// The program keeps colours as 0x00BBGGRR numbers; Qt wants them the other way round.
QColor toQColor(StoredColor color);

}  // namespace korvel
