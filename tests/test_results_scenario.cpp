#include "support/RunHarness.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

using Column = SubjectColumn;

// A short basketball test from names typed to the export's bytes: one subject drops out
// during the first period, one during the recovery after it, the last is still running
// when the test is ended.
TEST(ResultsScenario, ShortBasketballTestExportsTheExpectedFile)
{
    testing::RunHarness h(SportEdition::Basket, testing::localTime(2015, 3, 14, 18, 30));
    h.table.doubleClicked();
    h.table.selectCell(Column::Name, 1);
    h.table.setCell(Column::Name, 1, "José Pérez");
    h.table.setCell(Column::Code, 1, "A1");
    h.table.setCell(Column::Name, 2, "Marta Gil");
    h.table.setCell(Column::Code, 2, "A2");
    h.table.setCell(Column::Name, 3, "Luis Roca");
    h.table.setCell(Column::Code, 3, "A3");
    h.commands.confirmUnsavedResults();  // choosing the mode runs a new test
    h.choose(TestMode::EffortTest, 1, false);

    h.run.start();
    EXPECT_FALSE(h.commands.buttons().exportAvailable);
    h.runUntil(100'000);
    h.press(2);
    h.runUntil(200'000);
    h.press(1);
    h.runUntil(240'000);
    h.run.stop();
    EXPECT_EQ(h.commands.buttons(), (ResultsButtons{true, true}));

    h.dialogs.savePath = "/korvel/Export/KORVEL-Basket 2.0_14-03-15.txt";
    h.commands.exportResults();
    EXPECT_EQ(h.dialogs.saveRequests.at(0).proposedPath, "/korvel/Export/KORVEL-Basket 2.0_14-03-15.txt");
    EXPECT_EQ(h.writer.bytes, testing::testDataBytes("scenario_export.txt"));
    EXPECT_TRUE(h.commands.resultsExported());

    // The next test asks nothing and keeps the players.
    h.dialogs.calls.clear();
    h.run.newTest();
    EXPECT_TRUE(h.dialogs.calls.empty());
    EXPECT_FALSE(h.table.hasRecordedResult());
    EXPECT_EQ(h.table.cell(Column::Name, 1), "José Pérez");
    EXPECT_FALSE(h.commands.resultsExported());
}

}  // namespace
}  // namespace korvel
