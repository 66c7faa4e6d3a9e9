#pragma once

class QWidget;

namespace korvel {

class DesktopOpener;

// Shows a fresh start-up window as the about window, modal over parent, and returns when its
// close button has closed it. A fresh window each time: it always opens on "Versión".
void OpenAboutWindow(QWidget* parent, DesktopOpener& opener);

}  // namespace korvel
