#pragma once

namespace korvel {

// How the subjects table takes the operator's clicks and keys.
enum class TableInputMode {
    RowSelect,  // a whole row is selected and nothing can be edited; the current column is Number
    CellEdit,   // one cell is selected; Name and Code can be edited in place
};

}  // namespace korvel
