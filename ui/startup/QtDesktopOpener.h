#pragma once

#include "DesktopOpener.h"

namespace korvel {

class QtDesktopOpener : public DesktopOpener {
public:
    bool open(const QUrl& address) override;
};

}  // namespace korvel
