#pragma once

#include <QIcon>

namespace korvel {

// Pictures of the live display and the subjects panel, drawn by us. The marks' icons keep
// their colours when their (always disabled) buttons show them.
QIcon runningMarkIcon();   // a runner, in the effort red
QIcon restingMarkIcon();   // a stopwatch, in the recovery green
QIcon exportIcon();        // a spreadsheet document
QIcon clearTableIcon();    // a table crossed out in red
QIcon rowButtonIcon();     // a green arrow pointing right, at the table
QIcon reactivateIcon();    // an orange arrow turning back

}  // namespace korvel
