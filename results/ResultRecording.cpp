#include "ResultRecording.h"

#include "SubjectsTable.h"

#include <algorithm>
#include <charconv>

namespace korvel {
namespace {

constexpr double kVo2MaxPerMetre = 0.013;
constexpr double kVo2MaxAtRest = 2.5951;

}  // namespace

void recordResult(SubjectsTable& table, int row, const RunReading& reading)
{
    if (!table.hasRow(row)) {
        return;
    }
    table.setActive(row, false);
    table.setCell(SubjectColumn::Time, row, reading.timeText);
    table.setCell(SubjectColumn::PeriodsCompleted, row, std::to_string(reading.currentPeriod - reading.startPeriod));
    table.setCell(SubjectColumn::Distance, row, std::to_string(reading.distance));
    table.setCell(SubjectColumn::MaxSpeed, row, reading.speedText);
    if (table.hasColumn(SubjectColumn::Vo2Max)) {
        table.setCell(SubjectColumn::Vo2Max, row, vo2maxText(reading.distance));
    }
    table.selectRow(row);
}

void recordAllActive(SubjectsTable& table, const RunReading& reading)
{
    for (int r = 1; r <= table.rowCount(); ++r) {
        if (table.isActive(r)) {
            recordResult(table, r, reading);
        }
    }
}

std::string vo2maxText(long long distance)
{
    const double vo2max = static_cast<double>(distance) * kVo2MaxPerMetre + kVo2MaxAtRest;
    // to_chars ignores the C locale, so the separator is always ".", which becomes ",".
    // 64 characters hold any value a long long distance can give.
    char text[64];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, vo2max, std::chars_format::fixed, 3);
    std::string result(text, written.ptr);
    std::replace(result.begin(), result.end(), '.', ',');
    return result;
}

}  // namespace korvel
