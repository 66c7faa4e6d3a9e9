#pragma once

#include "RunReading.h"

#include <string>

namespace korvel {

class SubjectsTable;

// A subject drops out: the row's stop button goes, its result cells take the reading, and
// the row becomes the selected one. Name, code and number are left alone, and neither a
// running test nor a name is required.
void recordResult(SubjectsTable& table, int row, const RunReading& reading);

// The test ends: every row still running is recorded with the same reading, in row order,
// so the last of them ends selected.
void recordAllActive(SubjectsTable& table, const RunReading& reading);

// The VO2max estimate in ml/kg/min for a distance in metres, with three decimals and a
// decimal comma whatever the system's locale ("7,795" for 400 m).
std::string vo2maxText(long long distance);

}  // namespace korvel
