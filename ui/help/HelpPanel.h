#pragma once

#include "EditionProfile.h"
#include "SportEdition.h"

#include <QFrame>

#include <map>

class QLabel;
class QPlainTextEdit;

namespace korvel {

class FlatButton;

// The help panel ("ScrollBox1"): a white sheet laid over the whole main window with the
// diagram of the edition's circuit on the left and the text that explains the test on the
// right. "Ayuda" opens it; " Cerrar ventana" hides it again.
class HelpPanel : public QFrame {
    Q_OBJECT

public:
    HelpPanel(SportEdition edition, QWidget* mainWindow);

    // Covers the main window's client area, lays the panel out for its size and shows the
    // edition's diagram and a fresh copy of its help text.
    void open();

private:
    QLabel* addDiagram(Court court, const char* objectName, const QRect& designGeometry);

    Court court_;
    std::map<Court, QLabel*> diagrams_;
    QPlainTextEdit* memo_;
    FlatButton* closeButton_;
};

}  // namespace korvel
