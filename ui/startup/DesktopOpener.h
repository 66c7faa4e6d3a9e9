#pragma once

#include <QUrl>

namespace korvel {

// Opens a web address with the desktop's default handler (the browser).
class DesktopOpener {
public:
    virtual ~DesktopOpener() = default;

    // False when no handler took the address; callers may ignore it.
    virtual bool open(const QUrl& address) = 0;
};

}  // namespace korvel
