#pragma once

#include "WallClock.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvel {

class SubjectsTable;

// The export's lines (UTF-8): the edition title, the test's date, time, initial period and
// initial speed under their captions, the column captions, then one line per data row,
// empty rows included. Fields are separated by ";" and every line but the first begins and
// ends with one.
std::vector<std::string> buildExportLines(const SubjectsTable& table, std::string_view editionTitle,
                                          LocalTime exportedAt, int initialPeriod,
                                          std::string_view initialSpeedText);

// The file's bytes: every line in Windows-1252 followed by CR LF, no byte-order mark.
std::string exportFileBytes(const std::vector<std::string>& lines);

}  // namespace korvel
