#pragma once

#include <string>

namespace korvel {

// What a running test shows at one moment: the values a subject's result is made of.
struct RunReading {
    std::string timeText;  // "mm:ss"
    int currentPeriod = 0;
    int startPeriod = 0;
    long long distance = 0;  // whole metres, as displayed
    std::string speedText;   // "9,0"

    friend bool operator==(const RunReading&, const RunReading&) = default;
};

}  // namespace korvel
