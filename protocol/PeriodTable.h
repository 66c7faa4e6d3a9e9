#pragma once

#include <optional>
#include <string>
#include <vector>

namespace korvel {

// Station interval per effort period, entry n (from 1) for period n, kept as the text
// lines the operator can edit on the parameters panel.
class PeriodTable {
public:
    PeriodTable() = default;
    explicit PeriodTable(std::vector<std::string> lines);

    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
    int entryCount() const { return static_cast<int>(lines_.size()); }

    friend bool operator==(const PeriodTable&, const PeriodTable&) = default;

private:
    std::vector<std::string> lines_;
};

// Entry n in milliseconds; empty for n outside the table and for a line that is not a
// whole positive number (such a line can only come from an edit, and must not pace a test).
std::optional<int> intervalFor(const PeriodTable& table, int period);

}  // namespace korvel
