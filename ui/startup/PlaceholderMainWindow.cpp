#include "PlaceholderMainWindow.h"

#include "EditionProfile.h"

namespace korvel {

PlaceholderMainWindow::PlaceholderMainWindow(SportEdition edition)
{
    const EditionProfile& profile = profileFor(edition);
    setWindowTitle(QString::fromStdString(profile.editionTitle) + QStringLiteral(": OSKABEL en ") +
                   QString::fromStdString(profile.sportName));
    setFixedSize(826, 592);
}

}  // namespace korvel
