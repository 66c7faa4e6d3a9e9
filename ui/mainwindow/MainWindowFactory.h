#pragma once

#include "ElapsedMillisecondClock.h"
#include "MediaDevicesSoundCheck.h"
#include "QtDialogs.h"
#include "QtExportWriter.h"
#include "QtWallClock.h"
#include "SportEdition.h"
#include "StreamBeepSink.h"

#include <QDialog>

#include <memory>

namespace korvel {

class DesktopOpener;

// Builds the main window on the program's real clocks, sound output, dialogs and files, and
// keeps them for as long as the program runs. Make it after the application object.
class MainWindowFactory {
public:
    MainWindowFactory(SportEdition edition, DesktopOpener& opener);

    std::unique_ptr<QDialog> make();

private:
    SportEdition edition_;
    DesktopOpener& opener_;
    ElapsedMillisecondClock clock_;
    QtWallClock wallClock_;
    StreamBeepSink sound_;
    MediaDevicesSoundCheck soundCheck_;
    QtDialogs dialogs_;
    QtExportWriter writer_;
};

}  // namespace korvel
