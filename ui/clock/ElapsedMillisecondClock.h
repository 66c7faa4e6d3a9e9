#pragma once

#include "MillisecondClock.h"

#include <QElapsedTimer>

namespace korvel {

// The run's millisecond clock on Qt's monotonic timer; shared by the run and the sound
// stream so that beep due times and stream positions are on one time base.
class ElapsedMillisecondClock : public MillisecondClock {
public:
    ElapsedMillisecondClock();
    std::uint32_t nowMs() override;

private:
    QElapsedTimer timer_;
};

}  // namespace korvel
