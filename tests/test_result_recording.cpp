#include "ResultRecording.h"
#include "support/RunHarness.h"
#include "SubjectsTable.h"
#include "SubjectsTableListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

using Column = SubjectColumn;
using testing::RunHarness;

std::vector<std::string> resultOf(const SubjectsTable& table, int row)
{
    const std::vector<std::string>& cells = table.row(row).cells;
    return {cells.begin() + columnIndex(kFirstResultColumn), cells.end()};
}

struct Vo2MaxCase {
    long long distance;
    const char* text;
};

class Vo2Max : public ::testing::TestWithParam<Vo2MaxCase> {};

TEST_P(Vo2Max, ThreeDecimalsWithAComma)
{
    EXPECT_EQ(vo2maxText(GetParam().distance), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Distances, Vo2Max,
    ::testing::Values(Vo2MaxCase{0, "2,595"}, Vo2MaxCase{400, "7,795"}, Vo2MaxCase{1000, "15,595"},
                      Vo2MaxCase{2400, "33,795"}, Vo2MaxCase{1520, "22,355"}, Vo2MaxCase{2464, "34,627"},
                      Vo2MaxCase{8, "2,699"}, Vo2MaxCase{100000, "1302,595"}));

TEST(RecordResult, WritesTheResultCellsOnly)
{
    SubjectsTable table(12, true);
    table.setCell(Column::Name, 4, "Ana");
    table.setCell(Column::Code, 4, "A1");
    table.activateNamedRows();
    table.doubleClicked();
    table.selectCell(Column::Name, 1);

    recordResult(table, 4, {.timeText = "07:45", .currentPeriod = 9, .startPeriod = 1, .distance = 1240,
                            .speedText = "9,0"});

    EXPECT_EQ(table.row(4).cells, (std::vector<std::string>{"4", "Ana", "A1", "07:45", "8", "1240", "9,0", "18,715"}));
    EXPECT_FALSE(table.isActive(4));
    EXPECT_EQ(table.currentRow(), 4);
    EXPECT_EQ(table.currentColumn(), Column::Name);  // the selection keeps its column and mode
    EXPECT_EQ(table.inputMode(), TableInputMode::CellEdit);
}

TEST(RecordResult, WritesNoVo2MaxOutsideBasketball)
{
    SubjectsTable table(14, false);
    recordResult(table, 14, {.timeText = "01:00", .currentPeriod = 2, .startPeriod = 1, .distance = 280,
                             .speedText = "4,8"});
    EXPECT_EQ(resultOf(table, 14), (std::vector<std::string>{"01:00", "1", "280", "4,8"}));
}

TEST(RecordResult, RecordsARowWhoseNameWasErased)
{
    SubjectsTable table(12, true);
    table.setCell(Column::Name, 2, "Ana");
    table.activateNamedRows();
    table.setCell(Column::Name, 2, "");
    recordResult(table, 2, {.timeText = "00:10", .currentPeriod = 1, .startPeriod = 1, .distance = 8,
                            .speedText = "4,2"});
    EXPECT_EQ(resultOf(table, 2), (std::vector<std::string>{"00:10", "0", "8", "4,2", "2,699"}));
}

// Readings taken from the real engine, as the row buttons take them.

TEST(RecordingDuringARun, RightAfterTheStart)
{
    RunHarness h(SportEdition::Basket);
    h.table.setCell(Column::Name, 1, "Ana");
    h.choose(TestMode::EffortTest, 1, false);
    h.run.start();
    h.press(1);
    EXPECT_EQ(resultOf(h.table, 1), (std::vector<std::string>{"00:00", "0", "0", "4,2", "2,595"}));
    EXPECT_FALSE(h.table.isActive(1));
}

TEST(RecordingDuringARun, DuringARecoveryCountsThePeriodJustRunAndShowsTheNextSpeed)
{
    RunHarness h(SportEdition::Basket);
    h.table.setCell(Column::Name, 1, "Ana");
    h.choose(TestMode::EffortTest, 1, false);
    h.run.start();
    h.runUntil(200'000);  // period 1 ends near 192 s; its recovery lasts 30 s
    ASSERT_EQ(h.run.phase(), RunPhase::Recovery);
    h.press(1);
    // 36 stations of 8 m run; the speed is that of period 2.
    EXPECT_EQ(resultOf(h.table, 1), (std::vector<std::string>{"03:20", "1", "288", "4,8", "6,339"}));
}

TEST(RecordingDuringARun, FromPeriodFiveDroppingInPeriodSeven)
{
    RunHarness h(SportEdition::Basket);
    h.table.setCell(Column::Name, 6, "Ana");
    h.choose(TestMode::EffortTest, 5, false);
    h.run.start();
    h.runUntilTrue([&] { return h.run.phase() == RunPhase::EffortPeriod && h.run.currentPeriod() == 7; });
    h.press(6);
    // Two periods of this test, not the six periods up to period 7.
    EXPECT_EQ(h.table.cell(Column::PeriodsCompleted, 6), "2");
    EXPECT_EQ(h.table.cell(Column::Distance, 6), "576");
    EXPECT_EQ(h.table.cell(Column::MaxSpeed, 6), "7,8");
    EXPECT_EQ(h.table.cell(Column::Vo2Max, 6), "10,083");
}

class RecordingOrder : public SubjectsTableListener {
public:
    std::vector<int> rows;
    void cellChanged(SubjectColumn column, int row) override
    {
        if (column == SubjectColumn::Time) {
            rows.push_back(row);
        }
    }
    void rowActiveChanged(int) override {}
    void selectionChanged() override {}
};

TEST(RecordingDuringARun, EndOfTheTestRecordsEveryRunningSubjectInRowOrder)
{
    RunHarness h(SportEdition::Basket);
    for (int row : {9, 2, 5, 7}) {
        h.table.setCell(Column::Name, row, "Jugador " + std::to_string(row));
    }
    h.choose(TestMode::EffortTest, 1, false);
    h.run.start();
    h.runUntil(20'000);
    h.press(7);  // dropped out earlier: keeps its own result
    h.runUntil(60'000);
    RecordingOrder order;
    h.table.setListener(&order);
    h.run.stop();
    h.table.setListener(nullptr);

    EXPECT_EQ(order.rows, (std::vector<int>{2, 5, 9}));
    const std::vector<std::string> atTheEnd{"01:00", "0", "88", "4,2", "3,739"};
    for (int row : {2, 5, 9}) {
        EXPECT_EQ(resultOf(h.table, row), atTheEnd) << row;
        EXPECT_FALSE(h.table.isActive(row));
    }
    EXPECT_EQ(resultOf(h.table, 7), (std::vector<std::string>{"00:20", "0", "24", "4,2", "2,907"}));
    EXPECT_EQ(h.table.currentRow(), 9);
    EXPECT_EQ(h.table.rowState(1), SubjectRowState::Empty);
}

}  // namespace
}  // namespace korvel
