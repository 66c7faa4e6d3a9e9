#include "QtDesktopOpener.h"

#include <QDesktopServices>

namespace korvel {

bool QtDesktopOpener::open(const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

}  // namespace korvel
