#pragma once

#include "SportEdition.h"

#include <QDialog>

namespace korvel {

// Stands in for the main window until the real one is wired in: the main window's fixed size
// and caption; closing it ends its modal run, and with it the program.
class PlaceholderMainWindow : public QDialog {
    Q_OBJECT

public:
    explicit PlaceholderMainWindow(SportEdition edition);
};

}  // namespace korvel
