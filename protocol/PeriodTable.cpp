#include "PeriodTable.h"

#include <charconv>

namespace korvel {

PeriodTable::PeriodTable(std::vector<std::string> lines) : lines_(std::move(lines)) {}

std::optional<int> intervalFor(const PeriodTable& table, int period)
{
    if (period < 1 || period > table.entryCount()) {
        return std::nullopt;
    }
    const std::string& line = table.lines()[static_cast<std::size_t>(period - 1)];
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return std::nullopt;
    }
    const auto last = line.find_last_not_of(" \t\r");
    const char* begin = line.data() + first;
    const char* end = line.data() + last + 1;
    int value = 0;
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc{} || next != end || value <= 0) {
        return std::nullopt;
    }
    return value;
}

}  // namespace korvel
