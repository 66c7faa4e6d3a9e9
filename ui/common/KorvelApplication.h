#pragma once

#include <QApplication>

namespace korvel {

// The application object: an error thrown out of any event handler is shown in the standard
// error box and the event loop goes on, instead of ending the program.
class KorvelApplication : public QApplication {
    Q_OBJECT

public:
    KorvelApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace korvel
