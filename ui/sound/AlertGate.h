#pragma once

#include <cstdint>
#include <optional>

namespace korvel {

// The run asks for its warning on every tick of the warning second; the coach should hear
// one alert, not a buzz. Requests that follow each other closely belong to one warning; a
// request after a quiet gap starts the next.
class AlertGate {
public:
    static constexpr std::uint32_t kQuietGapMs = 1000;

    // True when the request at nowMs starts a new warning and should sound.
    bool admit(std::uint32_t nowMs);

private:
    std::optional<std::uint32_t> lastRequestMs_;
};

}  // namespace korvel
