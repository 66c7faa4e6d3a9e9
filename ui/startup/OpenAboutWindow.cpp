#include "OpenAboutWindow.h"

#include "TFormINI.h"

namespace korvel {

void OpenAboutWindow(QWidget* parent, DesktopOpener& opener)
{
    TFormINI about(opener, nullptr, build::kEdition, parent);
    about.execAbout();
}

}  // namespace korvel
