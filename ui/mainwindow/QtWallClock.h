#pragma once

#include "WallClock.h"

#include <QDateTime>

namespace korvel {

// The local date and time, as the desktop's clock and time zone give them.
class QtWallClock : public WallClock {
public:
    LocalTime localNow() override;
};

// A local date and time of Qt as the run counts it.
LocalTime toLocalTime(const QDateTime& local);

}  // namespace korvel
