#include "ExportFile.h"
#include "ResultRecording.h"
#include "ResultsCommands.h"
#include "support/ResultsFakes.h"
#include "SubjectsTable.h"
#include "SubjectsTableListener.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvel {
namespace {

using Column = SubjectColumn;
using testing::FakeDialogs;
using testing::FakeWriter;
using testing::FixedWallClock;
using testing::localTime;

const RunReading kReading{.timeText = "05:00", .currentPeriod = 4, .startPeriod = 1, .distance = 864,
                          .speedText = "6,0"};

class ResultsCommandsTest : public ::testing::Test {
protected:
    void named(int row, const std::string& name)
    {
        table.setCell(Column::Name, row, name);
        table.setCell(Column::Number, row, std::to_string(row));
    }

    void recorded(int row)
    {
        named(row, "Jugador " + std::to_string(row));
        recordResult(table, row, kReading);
    }

    std::string expectedBytes()
    {
        return exportFileBytes(buildExportLines(table, "KORVEL-Basket 2.0", clock.localNow(), 3, "5,4"));
    }

    SubjectsTable table{12, true};
    FakeDialogs dialogs;
    FakeWriter writer;
    FixedWallClock clock{localTime(2015, 3, 14, 18, 30)};
    ResultsCommands commands{{.editionTitle = "KORVEL-Basket 2.0",
                              .baseDirectory = [] { return std::string("/home/coach/korvel"); },
                              .initialPeriod = [] { return 3; },
                              .initialSpeedText = [] { return std::string("5,4"); }},
                             {.table = table, .dialogs = dialogs, .writer = writer, .wallClock = clock}};
};

// ---------------------------------------------------------------------------------------
// Export

TEST_F(ResultsCommandsTest, ExportWithoutANamedRowDoesNothing)
{
    table.setCell(Column::Code, 1, "A1");
    recordResult(table, 2, kReading);
    commands.exportResults();
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(writer.paths.empty());
    EXPECT_FALSE(commands.buttons().exportAvailable);
    EXPECT_FALSE(commands.resultsExported());
}

TEST_F(ResultsCommandsTest, ExportWritesTheTableToTheChosenFile)
{
    recorded(1);
    named(2, "José");
    table.selectRow(2);
    commands.exportResults();

    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests[0],
              (SaveRequest{.title = "Exportación de Registros de PRAXIMO...",
                           .filter = "Archivo de exportación de Registros (*.txt)",
                           .defaultSuffix = "txt",
                           .initialFolder = "/home/coach/korvel/Export",
                           .proposedPath = "/home/coach/korvel/Export/KORVEL-Basket 2.0_14-03-15.txt"}));
    EXPECT_EQ(writer.paths, std::vector<std::string>{"/exports/file.txt"});
    EXPECT_EQ(writer.bytes, expectedBytes());
    EXPECT_NE(writer.bytes.find(";2;Jos\xE9;;;;;;;\r\n"), std::string::npos);
    EXPECT_TRUE(commands.resultsExported());
    EXPECT_TRUE(commands.buttons().exportAvailable);
    EXPECT_FALSE(commands.buttons().clearAvailable);
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"save"});
    EXPECT_EQ(table.currentRow(), 2);
}

// A view that holds typed text in its editor until the selection moves, as a grid does.
class PendingEdit : public SubjectsTableListener {
public:
    explicit PendingEdit(SubjectsTable& table) : table_(table) {}
    void cellChanged(SubjectColumn, int) override {}
    void rowActiveChanged(int) override {}
    void selectionChanged() override
    {
        if (!committed_) {
            committed_ = true;
            table_.setCell(Column::Code, 5, "Z9");
        }
    }

private:
    SubjectsTable& table_;
    bool committed_ = false;
};

TEST_F(ResultsCommandsTest, ExportTakesInTextStillBeingTyped)
{
    named(5, "Ana");
    table.doubleClicked();
    table.selectCell(Column::Code, 5);
    PendingEdit editor(table);
    table.setListener(&editor);
    commands.exportResults();
    table.setListener(nullptr);

    EXPECT_NE(writer.bytes.find(";5;Ana;Z9;"), std::string::npos);
    EXPECT_EQ(table.currentRow(), 5);
    EXPECT_EQ(table.currentColumn(), Column::Code);
}

TEST_F(ResultsCommandsTest, CancelledExportShowsNothing)
{
    recorded(1);
    dialogs.savePath.reset();
    commands.exportResults();
    EXPECT_EQ(dialogs.calls, std::vector<std::string>{"save"});
    EXPECT_TRUE(writer.paths.empty());
    EXPECT_FALSE(commands.resultsExported());
    EXPECT_TRUE(commands.buttons().exportAvailable);
}

TEST_F(ResultsCommandsTest, FailedExportWarnsAndChangesNothing)
{
    recorded(1);
    const SubjectsTable before = table;
    writer.succeeds = false;
    commands.exportResults();

    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"save", "alert", "warning"}));
    EXPECT_EQ(dialogs.titles, std::vector<std::string>{"Información"});
    EXPECT_EQ(dialogs.texts,
              std::vector<std::string>{"No se ha podido exportar el archivo de Registros de KORVEL-Basket 2.0."});
    EXPECT_FALSE(commands.resultsExported());
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(table.row(r).cells, before.row(r).cells);
    }
}

TEST_F(ResultsCommandsTest, FailedExportKeepsAnEarlierSuccess)
{
    recorded(1);
    commands.exportResults();
    writer.succeeds = false;
    commands.exportResults();
    EXPECT_TRUE(commands.resultsExported());
}

// ---------------------------------------------------------------------------------------
// Clearing the table

TEST_F(ResultsCommandsTest, ClearTableAsksFirst)
{
    recorded(1);
    named(2, "Bea");
    table.setActive(2, true);
    commands.exportResults();
    const ResultsButtons buttons = commands.buttons();
    dialogs.calls.clear();

    dialogs.okAnswer = false;
    commands.clearTable();
    EXPECT_EQ(table.cell(Column::Name, 1), "Jugador 1");

    dialogs.okAnswer = true;
    commands.clearTable();
    EXPECT_FALSE(table.hasNamedRow());
    EXPECT_FALSE(table.isActive(2));
    EXPECT_EQ(table.cell(Column::Time, 1), "");

    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "okCancel", "alert", "okCancel"}));
    EXPECT_EQ(dialogs.titles[0], "Borrar datos");
    EXPECT_EQ(dialogs.texts[0], "¿Realmente desea borrar todos los datos que actualmente se encuentran en la Tabla "
                                "de resultados de los deportistas?");
    EXPECT_TRUE(commands.resultsExported());
    EXPECT_EQ(commands.buttons(), buttons);
}

// ---------------------------------------------------------------------------------------
// The question about results not yet exported

enum class Answer { NotAsked, No, YesWritten, YesCancelled, YesFailed };

struct UnsavedCase {
    const char* name;
    bool exportedBefore;
    std::vector<int> resultRows;
    bool namesErased;
    Answer answer;
    bool resultsKept;
};

class UnsavedResults : public ResultsCommandsTest, public ::testing::WithParamInterface<UnsavedCase> {};

TEST_P(UnsavedResults, Outcome)
{
    const UnsavedCase& c = GetParam();
    named(10, "Sin resultado");
    for (int row : c.resultRows) {
        recorded(row);
    }
    if (c.exportedBefore) {
        commands.exportResults();
    }
    if (c.namesErased) {
        for (int r = 1; r <= 12; ++r) {
            table.setCell(Column::Name, r, "");
        }
    }
    dialogs.calls.clear();
    dialogs.titles.clear();
    dialogs.texts.clear();
    writer.paths.clear();
    dialogs.yesAnswer = c.answer != Answer::No;
    if (c.answer == Answer::YesCancelled) {
        dialogs.savePath.reset();
    }
    writer.succeeds = c.answer != Answer::YesFailed;

    commands.confirmUnsavedResults();

    const bool asked = c.answer != Answer::NotAsked;
    if (asked) {
        ASSERT_GE(dialogs.calls.size(), 2u);
        EXPECT_EQ(dialogs.calls[0], "alert");
        EXPECT_EQ(dialogs.calls[1], "yesNo");
        EXPECT_EQ(dialogs.titles[0], "Guardar datos");
        EXPECT_EQ(dialogs.texts[0], "Los registros de la anterior prueba de esfuerzo aún no han sido exportados "
                                    "¿Desea guardarlos ahora?");
    } else {
        EXPECT_TRUE(dialogs.calls.empty());
    }
    const bool exportTried = c.answer == Answer::YesWritten || c.answer == Answer::YesFailed;
    EXPECT_EQ(writer.paths.size(), exportTried && !c.namesErased ? 1u : 0u);
    EXPECT_EQ(table.hasRecordedResult(), c.resultsKept);
    EXPECT_FALSE(commands.resultsExported());
    EXPECT_EQ(table.cell(Column::Name, 10), c.namesErased ? "" : "Sin resultado");  // names are never cleared
    EXPECT_EQ(table.cell(Column::Number, 10), "10");
}

INSTANTIATE_TEST_SUITE_P(Outcomes, UnsavedResults,
    ::testing::Values(
        UnsavedCase{"ExportedBefore", true, {1}, false, Answer::NotAsked, false},
        UnsavedCase{"No", false, {1}, false, Answer::No, false},
        UnsavedCase{"YesAndWritten", false, {2}, false, Answer::YesWritten, false},
        UnsavedCase{"YesAndCancelled", false, {3}, false, Answer::YesCancelled, true},
        UnsavedCase{"YesAndFailed", false, {1, 3}, false, Answer::YesFailed, true},
        UnsavedCase{"OnlyBeyondTheThirdRowNo", false, {4, 9}, false, Answer::No, false},
        UnsavedCase{"OnlyInTheLastRowYes", false, {12}, false, Answer::YesWritten, false},
        UnsavedCase{"NoResults", false, {}, false, Answer::NotAsked, false},
        UnsavedCase{"YesWhenEveryNameHasGone", false, {2}, true, Answer::YesWritten, true}),
    [](const ::testing::TestParamInfo<UnsavedCase>& info) { return std::string(info.param.name); });

TEST_F(ResultsCommandsTest, AfterAFailedExportTheQuestionComesAgain)
{
    recorded(1);
    writer.succeeds = false;
    commands.confirmUnsavedResults();
    writer.succeeds = true;
    dialogs.calls.clear();
    commands.confirmUnsavedResults();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "yesNo", "save"}));
    EXPECT_FALSE(table.hasRecordedResult());
}

TEST_F(ResultsCommandsTest, ClearingAfterAnExportLeavesNothingToAsk)
{
    recorded(1);
    commands.exportResults();
    dialogs.calls.clear();
    commands.clearTable();
    commands.confirmUnsavedResults();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "okCancel"}));
    EXPECT_FALSE(commands.resultsExported());
}

// ---------------------------------------------------------------------------------------
// The run's side

TEST_F(ResultsCommandsTest, ButtonsFollowTheRun)
{
    std::vector<ResultsButtons> seen;
    commands.onButtonsChanged([&](ResultsButtons b) { seen.push_back(b); });
    named(3, "Ana");
    table.doubleClicked();
    table.selectCell(Column::Name, 3);

    commands.activateNamedRows();
    commands.testStarted();
    EXPECT_EQ(table.inputMode(), TableInputMode::RowSelect);
    EXPECT_TRUE(table.isActive(3));
    EXPECT_EQ(commands.buttons(), (ResultsButtons{false, false}));

    commands.testStopped(kReading);
    EXPECT_EQ(commands.buttons(), (ResultsButtons{true, true}));
    EXPECT_EQ(table.cell(Column::PeriodsCompleted, 3), "3");
    EXPECT_FALSE(table.isActive(3));

    commands.testStarted();
    EXPECT_EQ(commands.buttons(), (ResultsButtons{false, false}));
    EXPECT_EQ(seen, (std::vector<ResultsButtons>{{true, true}, {false, false}}));
}

TEST_F(ResultsCommandsTest, ButtonsStayUnavailableAfterATestWithoutNames)
{
    commands.testStarted();
    commands.testStopped(kReading);
    EXPECT_EQ(commands.buttons(), (ResultsButtons{false, false}));
}

}  // namespace
}  // namespace korvel
