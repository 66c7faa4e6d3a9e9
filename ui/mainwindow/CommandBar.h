#pragma once

#include "EditionProfile.h"

#include <QObject>

#include <array>

class QWidget;

namespace korvel {

class FlatButton;

// The six command buttons across the top of the main window.
class CommandBar : public QObject {
    Q_OBJECT

public:
    enum class Command {
        Salir,
        Nuevo,
        Start,
        Stop,
        Ayuda,
        Grupo,
    };
    static constexpr std::size_t kCount = 6;

    // Which buttons are available.
    enum class Situation {
        Opened,   // the window has just opened: no test can start before a mode is chosen
        Ready,    // a mode chosen or a new test prepared
        Running,  // a test is running: only "Fin de la prueba"
        Ended,    // the test ended
    };

    CommandBar(const EditionProfile& profile, QWidget* window);

    FlatButton* button(Command command) const { return buttons_[static_cast<std::size_t>(command)]; }
    void setSituation(Situation situation);

private:
    std::array<FlatButton*, kCount> buttons_{};
};

}  // namespace korvel
