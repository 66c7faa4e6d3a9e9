#pragma once

#include "SubjectColumn.h"

namespace korvel {

// Told of every change of the subjects table, after it happened, so that a view can follow.
class SubjectsTableListener {
public:
    virtual ~SubjectsTableListener() = default;
    virtual void cellChanged(SubjectColumn column, int row) = 0;
    virtual void rowActiveChanged(int row) = 0;
    // currentRow, currentColumn or inputMode changed. A view ends any cell edit in progress
    // here, committing what was typed: the export steps the selection through every row to
    // make sure typed text is in the table before it is read.
    virtual void selectionChanged() = 0;
};

}  // namespace korvel
