#pragma once

#include "RunReading.h"

namespace korvel {

// What the run needs from the subjects table and the results commands.
class RunSubjects {
public:
    virtual ~RunSubjects() = default;
    // The test proper begins: named rows get their stop buttons, the others lose them.
    virtual void activateNamedRows() = 0;
    // At start: whole-row selection, and export and clearing become unavailable.
    virtual void testStarted() = 0;
    // At stop, after the ticks are off: export and clearing become available when a row
    // has a name, then every running subject is recorded with this one reading.
    virtual void testStopped(const RunReading& reading) = 0;
    // Last step of a new test: the question about results not yet exported.
    virtual void confirmUnsavedResults() = 0;
};

}  // namespace korvel
