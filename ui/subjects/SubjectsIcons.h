#pragma once

#include <QIcon>

namespace korvel {

// Pictures of the subjects panel, drawn by us.
QIcon exportIcon();      // a spreadsheet document
QIcon clearTableIcon();  // a table crossed out in red
QIcon rowButtonIcon();   // a green arrow pointing right, at the table
QIcon reactivateIcon();  // an orange arrow turning back

}  // namespace korvel
