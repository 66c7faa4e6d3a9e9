#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace korvel {

// How well heard beeps keep the schedule: every heard interval against its scheduled one.
struct TimingReport {
    int expected = 0;
    int heard = 0;
    int unexpected = 0;              // heard onsets that match no scheduled beep
    int intervals = 0;               // intervals between consecutive beeps both heard
    double maxIntervalErrorMs = 0;   // largest |heard - scheduled| over those intervals
    double p99IntervalErrorMs = 0;   // its 99th percentile (nearest rank)
    double driftMs = 0;              // first to last heard beep, heard minus scheduled
};

// Pairs each scheduled beep (ms on the run's clock) with the heard onset (ms in the
// recording) nearest to it once the one constant latency is found, within `windowMs`.
TimingReport compareTiming(const std::vector<double>& scheduledMs, const std::vector<double>& heardMs, double windowMs);

}  // namespace korvel
