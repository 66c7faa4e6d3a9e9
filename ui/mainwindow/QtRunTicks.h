#pragma once

#include "RunTicks.h"

#include <QObject>
#include <QTimer>

#include <functional>

namespace korvel {

// The run's three periodic ticks from precise timers on the user-interface thread.
class QtRunTicks : public QObject, public RunTicks {
    Q_OBJECT

public:
    static constexpr int kStationMs = 10;
    static constexpr int kRecoveryMs = 10;
    static constexpr int kChronoMs = 100;

    QtRunTicks(std::function<void()> station, std::function<void()> recovery, std::function<void()> chrono,
               QObject* parent = nullptr);

    void switchTicks(TickSet ticks) override;
    // Which timers are running now.
    TickSet running() const;

private:
    QTimer station_;
    QTimer recovery_;
    QTimer chrono_;
};

}  // namespace korvel
