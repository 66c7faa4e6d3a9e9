#pragma once

#include "WallClock.h"

#include <string>
#include <string_view>

namespace korvel {

// The folder proposed for export files: "Export" inside the base directory.
std::string exportFolder(std::string_view baseDirectory);

// The proposed export file: in the export folder, the edition title, "_", the date as
// "dd-mm-yy" and ".txt" ("KORVEL-Basket 2.0_14-03-15.txt").
std::string exportFileName(std::string_view baseDirectory, std::string_view editionTitle, LocalTime date);

}  // namespace korvel
