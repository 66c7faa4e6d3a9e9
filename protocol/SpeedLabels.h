#pragma once

#include <optional>
#include <string>

namespace korvel {

constexpr int kFirstLabelledPeriod = 1;
constexpr int kLastLabelledPeriod = 30;

// Running speed of effort period n in km/h with a decimal comma ("4,2" for period 1,
// rising by 0,6 per period); nothing outside periods 1 to 30.
std::optional<std::string> speedLabel(int period);

}  // namespace korvel
