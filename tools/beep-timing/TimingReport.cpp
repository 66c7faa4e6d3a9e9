#include "TimingReport.h"

#include <algorithm>
#include <cmath>

namespace korvel {
namespace {

bool heardNear(const std::vector<double>& sortedHeardMs, double targetMs, double withinMs)
{
    const auto it = std::lower_bound(sortedHeardMs.begin(), sortedHeardMs.end(), targetMs - withinMs);
    return it != sortedHeardMs.end() && *it <= targetMs + withinMs;
}

// The latency that lines up the most onsets with scheduled beeps, within 5 ms.
double commonLatency(const std::vector<double>& scheduledMs, std::vector<double> heardMs)
{
    std::sort(heardMs.begin(), heardMs.end());
    constexpr double kAgreementMs = 5.0;
    double best = 0;
    int bestVotes = -1;
    for (const double h : heardMs) {
        for (const double s : scheduledMs) {
            const double latency = h - s;
            int votes = 0;
            for (const double s2 : scheduledMs) {
                votes += heardNear(heardMs, s2 + latency, kAgreementMs) ? 1 : 0;
            }
            if (votes > bestVotes) {
                bestVotes = votes;
                best = latency;
            }
        }
    }
    return best;
}

}  // namespace

TimingReport compareTiming(const std::vector<double>& scheduledMs, const std::vector<double>& heardMs, double windowMs)
{
    TimingReport report;
    report.expected = static_cast<int>(scheduledMs.size());
    const double latency = commonLatency(scheduledMs, heardMs);

    std::vector<std::optional<double>> match(scheduledMs.size());
    std::vector<bool> used(heardMs.size(), false);
    for (std::size_t i = 0; i < scheduledMs.size(); ++i) {
        std::optional<std::size_t> nearest;
        for (std::size_t j = 0; j < heardMs.size(); ++j) {
            const double distance = std::abs(heardMs[j] - (scheduledMs[i] + latency));
            if (!used[j] && distance <= windowMs
                && (!nearest || distance < std::abs(heardMs[*nearest] - (scheduledMs[i] + latency)))) {
                nearest = j;
            }
        }
        if (nearest) {
            used[*nearest] = true;
            match[i] = heardMs[*nearest];
            ++report.heard;
        }
    }
    report.unexpected = static_cast<int>(std::count(used.begin(), used.end(), false));

    std::vector<double> errors;
    for (std::size_t i = 1; i < match.size(); ++i) {
        if (match[i] && match[i - 1]) {
            errors.push_back(std::abs((*match[i] - *match[i - 1]) - (scheduledMs[i] - scheduledMs[i - 1])));
        }
    }
    report.intervals = static_cast<int>(errors.size());
    if (!errors.empty()) {
        std::sort(errors.begin(), errors.end());
        report.maxIntervalErrorMs = errors.back();
        const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(errors.size())));
        report.p99IntervalErrorMs = errors[rank - 1];
    }

    const auto first = std::find_if(match.begin(), match.end(), [](const auto& m) { return m.has_value(); });
    const auto last = std::find_if(match.rbegin(), match.rend(), [](const auto& m) { return m.has_value(); });
    if (first != match.end()) {
        const auto firstIndex = static_cast<std::size_t>(first - match.begin());
        const auto lastIndex = static_cast<std::size_t>(match.rend() - last - 1);
        report.driftMs = (**last - **first) - (scheduledMs[lastIndex] - scheduledMs[firstIndex]);
    }
    return report;
}

}  // namespace korvel
