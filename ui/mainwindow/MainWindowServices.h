#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace korvel {

class BeepSink;
class ExportWriter;
class MillisecondClock;
class ResultsDialogs;
class SoundOutputCheck;
class WallClock;

// What the main window uses outside itself; all must outlive the window.
struct MainWindowServices {
    MillisecondClock& clock;
    WallClock& wallClock;
    BeepSink& sound;
    const SoundOutputCheck& soundCheck;
    ResultsDialogs& dialogs;
    ExportWriter& writer;
    // The executable's folder: the "Export" folder is made in it.
    QString applicationDirectory;
    // The about window over the given window; returns when it is closed.
    std::function<void(QWidget* window)> openAbout;
};

}  // namespace korvel
