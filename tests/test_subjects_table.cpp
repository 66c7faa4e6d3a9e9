#include "EditionProfile.h"
#include "ResultRecording.h"
#include "SubjectsTable.h"
#include "SubjectsTableListener.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvel {
namespace {

using Column = SubjectColumn;
using Mode = TableInputMode;
using State = SubjectRowState;

const RunReading kReading{.timeText = "07:45", .currentPeriod = 9, .startPeriod = 1, .distance = 1240,
                          .speedText = "9,0"};

// ---------------------------------------------------------------------------------------
// Creation

struct ShapeCase {
    SportEdition edition;
    int rows;
    int columns;
};

class TableShape : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(TableShape, FollowsTheEdition)
{
    const ShapeCase& c = GetParam();
    const SubjectsTable table = SubjectsTable::forEdition(profileFor(c.edition));
    EXPECT_EQ(table.rowCount(), c.rows);
    EXPECT_EQ(table.columnCount(), c.columns);
    EXPECT_EQ(table.hasColumn(Column::Vo2Max), c.columns == 8);
    for (int r = 1; r <= c.rows; ++r) {
        EXPECT_EQ(table.row(r).cells, std::vector<std::string>(static_cast<std::size_t>(c.columns)));
        EXPECT_FALSE(table.isActive(r));
        EXPECT_EQ(table.rowState(r), State::Empty);
    }
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_EQ(table.currentColumn(), Column::Number);
    EXPECT_EQ(table.inputMode(), Mode::RowSelect);
}

INSTANTIATE_TEST_SUITE_P(Editions, TableShape,
    ::testing::Values(ShapeCase{SportEdition::Probst, 14, 7}, ShapeCase{SportEdition::Futbol, 14, 7},
                      ShapeCase{SportEdition::Basket, 12, 8}, ShapeCase{SportEdition::FutSal, 14, 7},
                      ShapeCase{SportEdition::Voley, 12, 7}));

TEST(SubjectsTable, StaysWithinItsRowsAndColumns)
{
    SubjectsTable table(12, false);
    EXPECT_EQ(table.setCell(Column::Name, 13, "Ana"), "");
    EXPECT_EQ(table.setCell(Column::Name, 0, "Ana"), "");
    EXPECT_EQ(table.setCell(Column::Vo2Max, 1, "2,595"), "");
    table.setActive(13, true);
    table.reactivateRow(13, true, false);
    table.selectCell(Column::Name, 13);
    table.selectCell(Column::Vo2Max, 2);
    table.pointerOverRowButton(14);
    recordResult(table, 13, kReading);

    EXPECT_EQ(table.cell(Column::Name, 13), "");
    EXPECT_EQ(table.cell(Column::Vo2Max, 1), "");
    EXPECT_FALSE(table.isActive(13));
    EXPECT_EQ(table.currentRow(), 1);
    EXPECT_FALSE(table.hasNamedRow());
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(table.rowState(r), State::Empty);
    }
}

// ---------------------------------------------------------------------------------------
// Row states and transitions

struct TransitionCase {
    const char* name;
    std::function<void(SubjectsTable&)> before;
    std::function<void(SubjectsTable&)> event;
    State expected;
};

void named(SubjectsTable& t)
{
    t.setCell(Column::Name, 3, "Ana");
    t.setCell(Column::Code, 3, "A1");
}
void active(SubjectsTable& t)
{
    named(t);
    t.activateNamedRows();
}
void stopped(SubjectsTable& t)
{
    active(t);
    recordResult(t, 3, kReading);
}

class RowTransition : public ::testing::TestWithParam<TransitionCase> {};

TEST_P(RowTransition, LeadsToState)
{
    const TransitionCase& c = GetParam();
    SubjectsTable table(12, true);
    c.before(table);
    c.event(table);
    EXPECT_EQ(table.rowState(3), c.expected);
}

INSTANTIATE_TEST_SUITE_P(States, RowTransition,
    ::testing::Values(
        TransitionCase{"EmptyNamedByTyping", [](SubjectsTable&) {}, named, State::Named},
        TransitionCase{"NamedActivated", named, [](SubjectsTable& t) { t.activateNamedRows(); }, State::Active},
        TransitionCase{"BlankNameActivated", [](SubjectsTable& t) { t.setCell(Column::Name, 3, "  "); },
                       [](SubjectsTable& t) { t.activateNamedRows(); }, State::Active},
        TransitionCase{"ActiveRecorded", active, [](SubjectsTable& t) { recordResult(t, 3, kReading); },
                       State::Stopped},
        TransitionCase{"ActiveRecordedAtTheEnd", active, [](SubjectsTable& t) { recordAllActive(t, kReading); },
                       State::Stopped},
        TransitionCase{"ActiveKeepsRunningWithoutItsName", active,
                       [](SubjectsTable& t) { t.setCell(Column::Name, 3, ""); }, State::Active},
        TransitionCase{"StoppedReactivatedDuringTheTest", stopped,
                       [](SubjectsTable& t) { t.reactivateRow(3, true, false); }, State::Active},
        TransitionCase{"StoppedNotReactivatedDuringTheWarmUp", stopped,
                       [](SubjectsTable& t) { t.reactivateRow(3, true, true); }, State::Stopped},
        TransitionCase{"StoppedNotReactivatedAfterTheTest", stopped,
                       [](SubjectsTable& t) { t.reactivateRow(3, false, false); }, State::Stopped},
        TransitionCase{"StoppedClearedForTheNextTest", stopped, [](SubjectsTable& t) { t.clearResults(); },
                       State::Named},
        TransitionCase{"StoppedClearedAll", stopped, [](SubjectsTable& t) { t.clearAll(); }, State::Empty},
        TransitionCase{"ActiveClearedAll", active, [](SubjectsTable& t) { t.clearAll(); }, State::Empty},
        TransitionCase{"NamedClearedAll", named, [](SubjectsTable& t) { t.clearAll(); }, State::Empty},
        TransitionCase{"NamedAfterActivationStaysNamed", [](SubjectsTable& t) { t.activateNamedRows(); }, named,
                       State::Named}),
    [](const ::testing::TestParamInfo<TransitionCase>& info) { return std::string(info.param.name); });

TEST(SubjectsTable, ActivateNamedRowsNumbersNamedRowsAndClearsTheOthers)
{
    SubjectsTable table(14, false);
    table.setCell(Column::Name, 2, "Ana");
    table.setCell(Column::Name, 14, "Bea");
    table.setCell(Column::Number, 5, "5");  // left from an earlier test whose name has gone
    table.setActive(5, true);
    table.setCell(Column::Time, 5, "03:00");
    table.activateNamedRows();

    for (int r = 1; r <= 14; ++r) {
        const bool isNamed = r == 2 || r == 14;
        EXPECT_EQ(table.isActive(r), isNamed) << r;
        EXPECT_EQ(table.cell(Column::Number, r), isNamed ? std::to_string(r) : "") << r;
    }
    EXPECT_EQ(table.cell(Column::Time, 5), "03:00");  // results wait for the new-test command
}

TEST(SubjectsTable, ActivateNamedRowsWithoutNamesLeavesEveryRowInactive)
{
    SubjectsTable table(12, true);
    table.setCell(Column::Code, 4, "X");
    table.activateNamedRows();
    for (int r = 1; r <= 12; ++r) {
        EXPECT_FALSE(table.isActive(r));
        EXPECT_EQ(table.cell(Column::Number, r), "");
    }
    EXPECT_FALSE(table.hasNamedRow());
}

TEST(SubjectsTable, HasNamedRowLooksAtEveryRow)
{
    SubjectsTable table(14, false);
    EXPECT_FALSE(table.hasNamedRow());
    table.setCell(Column::Name, 14, " ");
    EXPECT_TRUE(table.hasNamedRow());
}

TEST(SubjectsTable, ClearResultsKeepsNamesCodesNumbersAndFlags)
{
    SubjectsTable table(12, true);
    active(table);
    recordResult(table, 3, kReading);
    table.reactivateRow(3, true, false);
    recordResult(table, 3, kReading);
    table.setActive(3, true);
    table.clearResults();

    EXPECT_EQ(table.row(3).cells, (std::vector<std::string>{"3", "Ana", "A1", "", "", "", "", ""}));
    EXPECT_TRUE(table.isActive(3));
    EXPECT_FALSE(table.hasRecordedResult());
}

TEST(SubjectsTable, ClearAllEmptiesEveryCellAndFlag)
{
    SubjectsTable table(12, true);
    stopped(table);
    table.setCell(Column::Name, 12, "Bea");
    table.activateNamedRows();
    table.clearAll();
    for (int r = 1; r <= 12; ++r) {
        EXPECT_EQ(table.row(r).cells, std::vector<std::string>(8)) << r;
        EXPECT_FALSE(table.isActive(r)) << r;
    }
}

// ---------------------------------------------------------------------------------------
// Reactivation

struct ReactivateCase {
    const char* name;
    bool hasName;
    bool hasResult;
    bool testRunning;
    bool warmUpActive;
    bool allowed;
};

class Reactivation : public ::testing::TestWithParam<ReactivateCase> {};

TEST_P(Reactivation, NeedsANamedStoppedRowInTheRunningTest)
{
    const ReactivateCase& c = GetParam();
    SubjectsTable table(12, true);
    stopped(table);
    if (!c.hasName) {
        table.setCell(Column::Name, 3, "");
    }
    if (!c.hasResult) {
        table.clearResults();
    }
    table.selectRow(3);
    EXPECT_EQ(table.canReactivate(3, c.testRunning, c.warmUpActive), c.allowed);
    EXPECT_EQ(table.reactivateItemEnabled(c.testRunning, c.warmUpActive), c.allowed);
    table.selectRow(4);
    EXPECT_FALSE(table.reactivateItemEnabled(c.testRunning, c.warmUpActive));  // the menu concerns the selected row
}

INSTANTIATE_TEST_SUITE_P(Conditions, Reactivation,
    ::testing::Values(ReactivateCase{"Allowed", true, true, true, false, true},
                      ReactivateCase{"NoName", false, true, true, false, false},
                      ReactivateCase{"NoResult", true, false, true, false, false},
                      ReactivateCase{"BeforeOrAfterTheTest", true, true, false, false, false},
                      ReactivateCase{"DuringTheWarmUp", true, true, true, true, false}),
    [](const ::testing::TestParamInfo<ReactivateCase>& info) { return std::string(info.param.name); });

struct ReactivatedShape {
    bool hasVo2Max;
    std::vector<std::string> cells;
};

class ReactivatedRow : public ::testing::TestWithParam<ReactivatedShape> {};

TEST_P(ReactivatedRow, LosesItsWholeResult)
{
    SubjectsTable table(12, GetParam().hasVo2Max);
    stopped(table);
    table.setCell(Column::Number, 3, "");
    table.selectRow(3);
    table.reactivateSelectedRow(true, false);
    EXPECT_EQ(table.row(3).cells, GetParam().cells);
    EXPECT_TRUE(table.isActive(3));
}

INSTANTIATE_TEST_SUITE_P(Editions, ReactivatedRow,
    ::testing::Values(ReactivatedShape{true, {"3", "Ana", "A1", "", "", "", "", ""}},
                      ReactivatedShape{false, {"3", "Ana", "A1", "", "", "", ""}}));

TEST(SubjectsTable, RefusedReactivationOnlyHidesTheButton)
{
    SubjectsTable table(12, true);
    active(table);
    const std::vector<std::string> cells = table.row(3).cells;
    table.reactivateRow(3, false, false);
    EXPECT_FALSE(table.isActive(3));
    EXPECT_EQ(table.row(3).cells, cells);
}

// ---------------------------------------------------------------------------------------
// Input rules

struct InputCase {
    const char* name;
    Column column;
    std::string typed;
    std::string kept;
};

class CellInputRules : public ::testing::TestWithParam<InputCase> {};

TEST_P(CellInputRules, KeepOnlyWhatTheFileCanHold)
{
    const InputCase& c = GetParam();
    SubjectsTable table(12, true);
    EXPECT_EQ(table.setCell(c.column, 1, c.typed), c.kept);
    EXPECT_EQ(table.cell(c.column, 1), c.kept);
}

INSTANTIATE_TEST_SUITE_P(Columns, CellInputRules,
    ::testing::Values(
        InputCase{"SemicolonInName", Column::Name, "Ana;Gil", "AnaGil"},
        InputCase{"SemicolonInCode", Column::Code, "A;1", "A1"},
        InputCase{"TwentyCharacterName", Column::Name, "abcdefghijklmnopqrst", "abcdefghijklmnopqrst"},
        InputCase{"TwentyFirstCharacterOfName", Column::Name, "abcdefghijklmnopqrstu", "abcdefghijklmnopqrst"},
        InputCase{"LimitCountsCharactersNotBytes", Column::Name, "ÁÉÍÓÚÑáéíóúñÜüÇçÀÈÌÒÙ", "ÁÉÍÓÚÑáéíóúñÜüÇçÀÈÌÒ"},
        InputCase{"SixthCharacterOfCode", Column::Code, "ABCDEF", "ABCDE"},
        InputCase{"SixthAccentedCharacterOfCode", Column::Code, "ñÑñÑñÑ", "ñÑñÑñ"},
        InputCase{"LimitAfterRefusedCharacters", Column::Code, "A;B;C;D;E;F", "ABCDE"},
        InputCase{"LineBreaks", Column::Name, "Ana\r\nGil\n", "AnaGil"},
        InputCase{"TabAndOtherControls", Column::Code, "\tA\x7f" "B\x01", "AB"},
        InputCase{"NextLineControl", Column::Name, "Ana\xC2\x85Gil", "AnaGil"},
        InputCase{"EuroSign", Column::Name, "Pepe €", "Pepe €"},
        InputCase{"LetterOutsideTheCodePage", Column::Name, "Michał", "Micha"},
        InputCase{"Emoji", Column::Code, "A😀B", "AB"},
        InputCase{"MalformedBytes", Column::Name, "A\xFF" "B", "AB"},
        InputCase{"BlanksAreAName", Column::Name, "   ", "   "},
        InputCase{"ResultCellsKeepTheirText", Column::MaxSpeed, "9,0", "9,0"}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return std::string(info.param.name); });

TEST(SubjectsTable, AcceptsKey)
{
    struct Case {
        Column column;
        char32_t typed;
        bool accepted;
    };
    for (const Case& c : {Case{Column::Name, U';', false}, Case{Column::Code, U';', false},
                          Case{Column::Time, U';', true}, Case{Column::Number, U';', true},
                          Case{Column::Name, U'a', true}, Case{Column::Code, U'€', true},
                          Case{Column::Name, U'ł', false}, Case{Column::Code, U'😀', false},
                          Case{Column::Name, U'\b', true}, Case{Column::Name, U'\r', true}}) {
        EXPECT_EQ(SubjectsTable::acceptsKey(c.column, c.typed), c.accepted)
            << columnIndex(c.column) << " " << static_cast<unsigned long>(c.typed);
    }
}

// ---------------------------------------------------------------------------------------
// Selection and input mode

struct ClickCase {
    const char* name;
    Mode mode;            // before the click
    Column column;        // current column before the click
    Column clicked;
    Mode expectedMode;
    Column expectedColumn;
};

class CellClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(CellClick, MovesTheSelectionThenSetsTheMode)
{
    const ClickCase& c = GetParam();
    SubjectsTable table(12, true);
    table.doubleClicked();
    table.selectCell(c.column, 1);
    table.setInputMode(c.mode);
    table.selectCell(c.clicked, 7);
    EXPECT_EQ(table.currentRow(), 7);
    EXPECT_EQ(table.inputMode(), c.expectedMode);
    EXPECT_EQ(table.currentColumn(), c.expectedColumn);
}

INSTANTIATE_TEST_SUITE_P(Rules, CellClick,
    ::testing::Values(
        ClickCase{"RowSelectOnName", Mode::RowSelect, Column::Number, Column::Name, Mode::RowSelect, Column::Number},
        ClickCase{"RowSelectOnCode", Mode::RowSelect, Column::Number, Column::Code, Mode::RowSelect, Column::Number},
        ClickCase{"RowSelectOnVo2Max", Mode::RowSelect, Column::Number, Column::Vo2Max, Mode::RowSelect,
                  Column::Number},
        ClickCase{"CellEditOnName", Mode::CellEdit, Column::Number, Column::Name, Mode::CellEdit, Column::Name},
        ClickCase{"CellEditOnCode", Mode::CellEdit, Column::Name, Column::Code, Mode::CellEdit, Column::Code},
        ClickCase{"CellEditOnVo2Max", Mode::CellEdit, Column::Name, Column::Vo2Max, Mode::CellEdit, Column::Vo2Max},
        ClickCase{"CellEditOnTime", Mode::CellEdit, Column::Name, Column::Time, Mode::RowSelect, Column::Number},
        ClickCase{"CellEditOnPeriods", Mode::CellEdit, Column::Code, Column::PeriodsCompleted, Mode::RowSelect,
                  Column::Number},
        ClickCase{"CellEditOnDistance", Mode::CellEdit, Column::Code, Column::Distance, Mode::RowSelect,
                  Column::Number},
        ClickCase{"CellEditOnSpeed", Mode::CellEdit, Column::Code, Column::MaxSpeed, Mode::RowSelect,
                  Column::Number},
        ClickCase{"CellEditOnNumber", Mode::CellEdit, Column::Name, Column::Number, Mode::RowSelect,
                  Column::Number}),
    [](const ::testing::TestParamInfo<ClickCase>& info) { return std::string(info.param.name); });

TEST(SubjectsTable, DoubleClickEditsWithoutMovingTheColumn)
{
    SubjectsTable table(12, true);
    table.selectCell(Column::Name, 4);
    table.doubleClicked();
    EXPECT_EQ(table.inputMode(), Mode::CellEdit);
    EXPECT_EQ(table.currentColumn(), Column::Number);
    EXPECT_EQ(table.currentRow(), 4);
}

TEST(SubjectsTable, RowSelectAlwaysSitsOnTheNumberColumn)
{
    SubjectsTable table(12, true);
    table.doubleClicked();
    table.selectCell(Column::Code, 2);
    table.setInputMode(Mode::RowSelect);
    EXPECT_EQ(table.currentColumn(), Column::Number);
}

TEST(SubjectsTable, PointerOverARowButtonSelectsItsRow)
{
    SubjectsTable table(12, true);
    table.doubleClicked();
    table.selectCell(Column::Name, 2);
    table.pointerOverRowButton(9);
    EXPECT_EQ(table.currentRow(), 9);
    EXPECT_EQ(table.inputMode(), Mode::RowSelect);
    EXPECT_EQ(table.currentColumn(), Column::Number);
}

TEST(SubjectsTable, MovingToAnotherRowKeepsAnEditableColumn)
{
    SubjectsTable table(12, true);
    table.doubleClicked();
    table.selectCell(Column::Vo2Max, 2);
    table.selectRow(5);
    EXPECT_EQ(table.currentRow(), 5);
    EXPECT_EQ(table.currentColumn(), Column::Vo2Max);
    EXPECT_EQ(table.inputMode(), Mode::CellEdit);
}

// ---------------------------------------------------------------------------------------
// Change notifications

class EventLog : public SubjectsTableListener {
public:
    std::vector<std::string> events;
    void cellChanged(SubjectColumn column, int row) override
    {
        events.push_back("cell " + std::to_string(columnIndex(column)) + "," + std::to_string(row));
    }
    void rowActiveChanged(int row) override { events.push_back("active " + std::to_string(row)); }
    void selectionChanged() override { events.push_back("selection"); }
};

TEST(SubjectsTable, TellsItsListenerOfEveryChangeOnce)
{
    SubjectsTable table(12, true);
    EventLog log;
    table.setListener(&log);

    table.setCell(Column::Name, 2, "Ana");
    table.setCell(Column::Name, 2, "Ana");    // no change
    table.setCell(Column::Code, 2, ";");      // refused entirely: no change
    table.activateNamedRows();
    table.activateNamedRows();                // nothing new
    recordResult(table, 2, kReading);
    table.clearAll();
    table.setListener(nullptr);
    table.setCell(Column::Name, 3, "Bea");

    EXPECT_EQ(log.events, (std::vector<std::string>{
                              "cell 1,2", "active 2", "cell 0,2",                                 // activation
                              "active 2", "cell 3,2", "cell 4,2", "cell 5,2", "cell 6,2", "cell 7,2",  // recording
                              "selection",
                              "cell 0,2", "cell 1,2", "cell 3,2", "cell 4,2", "cell 5,2", "cell 6,2",  // clearing
                              "cell 7,2"}));
}

}  // namespace
}  // namespace korvel
