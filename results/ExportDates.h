#pragma once

#include "WallClock.h"

#include <string>

namespace korvel {

// The date and time texts of the export, with the Spanish separators whatever the system's
// settings.
std::string exportDateText(LocalTime at);      // "14/03/2015"
std::string exportTimeText(LocalTime at);      // "18:30", hours 00 to 23
std::string exportFileDateText(LocalTime at);  // "14-03-15", for the proposed file name

}  // namespace korvel
