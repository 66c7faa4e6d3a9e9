#pragma once

#include <string>
#include <vector>

namespace korvel {

// One data row of the subjects table. Every value is text; an empty text is no value.
struct SubjectRow {
    std::vector<std::string> cells;  // one per column, indexed by SubjectColumn
    bool active = false;             // the subject runs in the current test: the stop button shows
};

// Where a row stands, from its cells and its active flag.
enum class SubjectRowState {
    Empty,    // no name (and not active)
    Named,    // a name, not active, no result
    Active,   // running in the current test, whatever its cells hold
    Stopped,  // not active, a result recorded
};

}  // namespace korvel
