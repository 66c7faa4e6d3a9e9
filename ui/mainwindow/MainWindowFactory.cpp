#include "MainWindowFactory.h"

#include "OpenAboutWindow.h"
#include "TForm1.h"

#include <QCoreApplication>

namespace korvel {

MainWindowFactory::MainWindowFactory(SportEdition edition, DesktopOpener& opener)
    : edition_(edition), opener_(opener), sound_(clock_)
{
}

std::unique_ptr<QDialog> MainWindowFactory::make()
{
    auto window = std::make_unique<TForm1>(
        edition_, MainWindowServices{.clock = clock_,
                                     .wallClock = wallClock_,
                                     .sound = sound_,
                                     .soundCheck = soundCheck_,
                                     .dialogs = dialogs_,
                                     .writer = writer_,
                                     .applicationDirectory = QCoreApplication::applicationDirPath(),
                                     .openAbout = [this](QWidget* over) { OpenAboutWindow(over, opener_); }});
    dialogs_.setParentWindow(window.get());
    return window;
}

}  // namespace korvel
