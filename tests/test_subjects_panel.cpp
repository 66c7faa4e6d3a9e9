#include "CellEditor.h"
#include "FlatButton.h"
#include "SubjectsGrid.h"
#include "SubjectsPanel.h"
#include "SubjectsTable.h"
#include "support/RunHarness.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

using korvel::testing::RunHarness;

// The panel over the real table and the real run, as the main window builds it.
class SubjectsPanelTest : public ::testing::Test {
protected:
    explicit SubjectsPanelTest(SportEdition edition = SportEdition::Basket)
        : harness(edition), panel(harness.profile, harness.table, harness.run)
    {
        panel.resize(437, 336);
        panel.show();
        QObject::connect(&panel, &SubjectsPanel::rowButtonPressed, [this](int row) { harness.press(row); });
        QObject::connect(&panel, &SubjectsPanel::exportRequested, [this] { harness.commands.exportResults(); });
    }

    SubjectsGrid& grid() { return panel.grid(); }
    SubjectsTable& table() { return harness.table; }

    QPoint centreOf(SubjectColumn column, int row)
    {
        return grid().visualRect(grid().model()->index(row - 1, columnIndex(column))).center();
    }
    void click(SubjectColumn column, int row)
    {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, centreOf(column, row));
    }
    void doubleClick(SubjectColumn column, int row)
    {
        QTest::mouseDClick(grid().viewport(), Qt::LeftButton, {}, centreOf(column, row));
    }
    void rightClick(SubjectColumn column, int row)
    {
        QTest::mousePress(grid().viewport(), Qt::RightButton, {}, centreOf(column, row));
        QTest::mouseRelease(grid().viewport(), Qt::RightButton, {}, centreOf(column, row));
    }
    void pointerOver(int row)
    {
        QWidget* button = rowButton(row);
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(button, &move);
    }
    FlatButton* rowButton(int row)
    {
        return panel.findChild<FlatButton*>(QStringLiteral("B%1").arg(row, 2, 10, QLatin1Char('0')));
    }
    CellEditor* openEditor()
    {
        for (CellEditor* editor : grid().viewport()->findChildren<CellEditor*>()) {
            if (!editor->isHidden()) {
                return editor;
            }
        }
        return nullptr;
    }
    // Double-click to edit cells, then a click on the cell to edit.
    CellEditor* editCell(SubjectColumn column, int row)
    {
        doubleClick(column, row);
        click(column, row);
        return openEditor();
    }
    std::string cell(SubjectColumn column, int row) { return table().cell(column, row); }

    // Typing, character by character, accents included.
    static void type(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    // Return commits the editor once the event loop comes round.
    static void pressReturn(QWidget* editor)
    {
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }

    // Opens the popup as a right-click on the grid does and reads its one item.
    bool reactivateEnabled()
    {
        QMenu* popup = panel.findChild<QMenu*>(QStringLiteral("PopupMenu_HG"));
        const QPoint at = centreOf(SubjectColumn::Time, 1);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, grid().viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid().viewport(), &event);
        EXPECT_TRUE(popup->isVisible());
        const bool enabled = panel.findChild<QAction*>(QStringLiteral("Volveraactivar1"))->isEnabled();
        popup->hide();
        return enabled;
    }

    void nameRows(std::initializer_list<int> rows)
    {
        for (const int row : rows) {
            table().setCell(SubjectColumn::Name, row, "Jugador " + std::to_string(row));
        }
    }
    void startEffortTest(bool warmUp = false)
    {
        harness.choose(TestMode::EffortTest, 1, warmUp);
        harness.run.newTest();
        harness.run.start();
    }

    RunHarness harness;
    SubjectsPanel panel;
};

TEST_F(SubjectsPanelTest, TitleRowAndButtonsFollowTheLayoutRules)
{
    const QWidget* exporter = panel.findChild<QWidget*>(QStringLiteral("BtnExportDatos"));
    const QWidget* clearer = panel.findChild<QWidget*>(QStringLiteral("BtnBorrarTabla"));
    EXPECT_EQ(exporter->geometry().right(), 436);
    EXPECT_EQ(exporter->y(), 0);
    EXPECT_EQ(clearer->geometry().right(), exporter->x()) << "the clear button overlaps the export button by one";
    EXPECT_EQ(exporter->toolTip(), "Exportar los registros de todos los Sujetos");
    EXPECT_EQ(clearer->toolTip(), "Borrar todos los datos de la Tabla de resultados de los sujetos");
    EXPECT_FALSE(exporter->isEnabled());
    EXPECT_FALSE(clearer->isEnabled());
    panel.showResultsButtons({.exportAvailable = true, .clearAvailable = false});
    EXPECT_TRUE(exporter->isEnabled());
    EXPECT_FALSE(clearer->isEnabled());
}

struct FrameCase {
    SportEdition edition;
    QRect frame;
    std::vector<int> columns;  // every column but the last, which fills the frame
    int buttonLeft;
};

class GridFrameTest : public SubjectsPanelTest, public ::testing::WithParamInterface<FrameCase> {
protected:
    GridFrameTest() : SubjectsPanelTest(GetParam().edition) {}
};

TEST_P(GridFrameTest, FrameColumnsAndRowButtonsFollowTheLayoutRules)
{
    const FrameCase& c = GetParam();
    EXPECT_EQ(grid().geometry(), c.frame);
    EXPECT_EQ(grid().horizontalHeader()->height(), 31);
    for (std::size_t i = 0; i < c.columns.size(); ++i) {
        EXPECT_EQ(grid().columnWidth(static_cast<int>(i)), c.columns[i] + 1) << "column " << i;
    }
    const int rows = table().rowCount();
    for (int row = 1; row <= 14; ++row) {
        const FlatButton* button = rowButton(row);
        if (row > rows) {
            EXPECT_EQ(button, nullptr) << "no button for row " << row;
            continue;
        }
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->size(), QSize(19, 19));
        EXPECT_EQ(button->x(), c.buttonLeft);
        EXPECT_EQ(button->geometry().right() + 2, grid().x()) << "one pixel left of the frame";
        const QRect cellArea = grid().visualRect(grid().model()->index(row - 1, 0));
        EXPECT_EQ(button->y(), grid().mapTo(&panel, grid().viewport()->mapTo(&grid(), cellArea.topLeft())).y())
            << "level with row " << row;
        EXPECT_EQ(cellArea.height(), 19);
        EXPECT_EQ(grid().rowHeight(row - 1), 20) << "each row is followed by a grid line";
        EXPECT_TRUE(button->toolTip().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Editions, GridFrameTest,
    ::testing::Values(FrameCase{SportEdition::Basket, QRect(23, 42, 409, 273), {11, 101, 19, 50, 50, 50, 50}, 3},
                      FrameCase{SportEdition::FutSal, QRect(29, 22, 397, 313), {19, 139, 31, 50, 50, 50}, 9}));

TEST_F(SubjectsPanelTest, RowButtonsShowForRunningRowsAndRecordTheirRow)
{
    nameRows({2, 5});
    startEffortTest();
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(rowButton(row)->isVisible(), row == 2 || row == 5) << "row " << row;
    }
    harness.runUntil(harness.clocks.now + 12'000);
    QTest::mouseClick(rowButton(5), Qt::LeftButton);
    EXPECT_FALSE(rowButton(5)->isVisible());
    EXPECT_EQ(cell(SubjectColumn::PeriodsCompleted, 5), "0");
    EXPECT_EQ(cell(SubjectColumn::Distance, 5), "16");
    EXPECT_EQ(cell(SubjectColumn::MaxSpeed, 5), "4,2");
    EXPECT_EQ(cell(SubjectColumn::Vo2Max, 5), "2,803");
    EXPECT_EQ(table().currentRow(), 5);
    EXPECT_TRUE(grid().selectionModel()->isRowSelected(4)) << "the recorded row is selected";
    EXPECT_TRUE(cell(SubjectColumn::Time, 2).empty());
}

TEST_F(SubjectsPanelTest, ClickInRowSelectOnlySelectsTheRow)
{
    click(SubjectColumn::Name, 4);
    EXPECT_EQ(table().inputMode(), TableInputMode::RowSelect);
    EXPECT_EQ(table().currentRow(), 4);
    EXPECT_EQ(table().currentColumn(), SubjectColumn::Number);
    EXPECT_TRUE(grid().selectionModel()->isRowSelected(3));
    EXPECT_EQ(openEditor(), nullptr);
}

TEST_F(SubjectsPanelTest, DoubleClickSwitchesToCellEditKeepingTheColumn)
{
    click(SubjectColumn::Time, 3);
    doubleClick(SubjectColumn::Name, 3);
    EXPECT_EQ(table().inputMode(), TableInputMode::CellEdit);
    EXPECT_EQ(table().currentColumn(), SubjectColumn::Number);
    EXPECT_EQ(openEditor(), nullptr);
    click(SubjectColumn::Name, 3);
    EXPECT_EQ(table().currentColumn(), SubjectColumn::Name);
    EXPECT_NE(openEditor(), nullptr) << "a click on a typed column edits it";
}

struct CellEditClickCase {
    SubjectColumn clicked;
    TableInputMode mode;
    SubjectColumn column;
};

class CellEditClickTest : public SubjectsPanelTest, public ::testing::WithParamInterface<CellEditClickCase> {};

TEST_P(CellEditClickTest, ClickedColumnSetsTheMode)
{
    const CellEditClickCase& c = GetParam();
    editCell(SubjectColumn::Code, 2);
    click(c.clicked, 6);
    EXPECT_EQ(table().inputMode(), c.mode);
    EXPECT_EQ(table().currentRow(), 6);
    EXPECT_EQ(table().currentColumn(), c.column);
    EXPECT_EQ(openEditor() != nullptr, isEditable(c.clicked));
    EXPECT_EQ(grid().selectionModel()->isRowSelected(5), c.mode == TableInputMode::RowSelect);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, CellEditClickTest,
    ::testing::Values(CellEditClickCase{SubjectColumn::Time, TableInputMode::RowSelect, SubjectColumn::Number},
                      CellEditClickCase{SubjectColumn::Number, TableInputMode::RowSelect, SubjectColumn::Number},
                      CellEditClickCase{SubjectColumn::Vo2Max, TableInputMode::CellEdit, SubjectColumn::Vo2Max},
                      CellEditClickCase{SubjectColumn::Name, TableInputMode::CellEdit, SubjectColumn::Name}));

TEST_F(SubjectsPanelTest, KeyboardMovesGoThroughTheTable)
{
    click(SubjectColumn::Number, 2);
    QTest::keyClick(&grid(), Qt::Key_Down);
    EXPECT_EQ(table().currentRow(), 3);
    QTest::keyClick(&grid(), Qt::Key_Right);
    EXPECT_EQ(table().currentColumn(), SubjectColumn::Number) << "whole rows stay on the Number cell";
    EXPECT_EQ(table().inputMode(), TableInputMode::RowSelect);

    editCell(SubjectColumn::Name, 3);
    QTest::keyClick(openEditor(), Qt::Key_Escape);
    QTest::keyClick(&grid(), Qt::Key_Right);
    EXPECT_EQ(table().currentColumn(), SubjectColumn::Code);
    EXPECT_EQ(table().inputMode(), TableInputMode::CellEdit);
    QTest::keyClick(&grid(), Qt::Key_Right);
    EXPECT_EQ(table().inputMode(), TableInputMode::RowSelect) << "moving onto a result cell";
}

TEST_F(SubjectsPanelTest, PointerOverARowButtonSelectsItsRowAndKeepsTheTypedText)
{
    nameRows({1, 4});
    startEffortTest();
    harness.run.stop();
    harness.run.newTest();
    harness.run.start();
    CellEditor* editor = editCell(SubjectColumn::Name, 2);
    ASSERT_NE(editor, nullptr);
    type(editor, QStringLiteral("Ana"));
    pointerOver(4);
    EXPECT_EQ(table().inputMode(), TableInputMode::RowSelect);
    EXPECT_EQ(table().currentRow(), 4);
    EXPECT_EQ(cell(SubjectColumn::Name, 2), "Ana");
    EXPECT_EQ(openEditor(), nullptr);
}

struct TypingCase {
    SubjectColumn column;
    const char* typed;
    const char* kept;
};

class TypingTest : public SubjectsPanelTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingTest, TypedTextKeepsWhatTheTableAccepts)
{
    const TypingCase& c = GetParam();
    CellEditor* editor = editCell(c.column, 1);
    ASSERT_NE(editor, nullptr);
    type(editor, QString::fromUtf8(c.typed));
    pressReturn(editor);
    EXPECT_EQ(cell(c.column, 1), c.kept);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, TypingTest,
    ::testing::Values(TypingCase{SubjectColumn::Name, "Ana;Luz", "AnaLuz"},
                      TypingCase{SubjectColumn::Code, "A;1", "A1"},
                      TypingCase{SubjectColumn::Name, "Núñez Ibáñez, José María", "Núñez Ibáñez, José M"},
                      TypingCase{SubjectColumn::Code, "ABCDEFG", "ABCDE"}));

TEST_F(SubjectsPanelTest, RefusedKeyDoesNotStartAnEdit)
{
    table().setCell(SubjectColumn::Name, 1, "Eva");
    editCell(SubjectColumn::Name, 1);
    QTest::keyClick(openEditor(), Qt::Key_Escape);
    type(&grid(), QStringLiteral(";"));
    EXPECT_EQ(openEditor(), nullptr);
    EXPECT_EQ(cell(SubjectColumn::Name, 1), "Eva");
}

TEST_F(SubjectsPanelTest, RefusedKeyOverASelectionKeepsTheText)
{
    table().setCell(SubjectColumn::Code, 1, "B7");
    CellEditor* editor = editCell(SubjectColumn::Code, 1);
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    type(editor, QStringLiteral(";"));
    EXPECT_EQ(editor->text(), "B7");
}

TEST_F(SubjectsPanelTest, PastedTextIsFiltered)
{
    CellEditor* editor = editCell(SubjectColumn::Name, 1);
    ASSERT_NE(editor, nullptr);
    QApplication::clipboard()->setText(QStringLiteral("Jo;sé\tPé\nrez ł"));
    editor->paste();
    EXPECT_EQ(editor->text(), "JoséPérez ");
    pressReturn(editor);
    EXPECT_EQ(cell(SubjectColumn::Name, 1), "JoséPérez ");
}

TEST_F(SubjectsPanelTest, ReadOnlyColumnsRefuseEditsThroughTheModel)
{
    QAbstractItemModel* model = grid().model();
    EXPECT_FALSE(model->setData(model->index(0, columnIndex(SubjectColumn::Time)), "99:99"));
    EXPECT_TRUE(cell(SubjectColumn::Time, 1).empty());
    EXPECT_TRUE(model->setData(model->index(0, columnIndex(SubjectColumn::Code)), "x;y"));
    EXPECT_EQ(cell(SubjectColumn::Code, 1), "xy");
}

TEST_F(SubjectsPanelTest, ExportCommitsTheEditInProgress)
{
    CellEditor* editor = editCell(SubjectColumn::Name, 3);
    ASSERT_NE(editor, nullptr);
    type(editor, QStringLiteral("Luz"));
    panel.showResultsButtons({.exportAvailable = true, .clearAvailable = true});
    QTest::mouseClick(panel.findChild<QWidget*>(QStringLiteral("BtnExportDatos")), Qt::LeftButton);
    EXPECT_EQ(cell(SubjectColumn::Name, 3), "Luz");
    ASSERT_EQ(harness.writer.paths.size(), 1u) << "the only name was still in the editor";
    EXPECT_NE(harness.writer.bytes.find(";;Luz;"), std::string::npos);
}

TEST_F(SubjectsPanelTest, ClearButtonAsksForTheClearCommand)
{
    QSignalSpy clear(&panel, &SubjectsPanel::clearRequested);
    panel.showResultsButtons({.exportAvailable = false, .clearAvailable = true});
    QTest::mouseClick(panel.findChild<QWidget*>(QStringLiteral("BtnBorrarTabla")), Qt::LeftButton);
    EXPECT_EQ(clear.count(), 1);
}

TEST_F(SubjectsPanelTest, RightClickLeavesTheSelectionWhereItWas)
{
    click(SubjectColumn::Number, 2);
    rightClick(SubjectColumn::Name, 7);
    EXPECT_EQ(table().currentRow(), 2);
}

// A stopped subject with a name, in a running effort period: the one case it is enabled.
class PopupTest : public SubjectsPanelTest {
protected:
    void stopSubjectOne(bool warmUp)
    {
        nameRows({1});
        startEffortTest(warmUp);
        harness.press(1);
        click(SubjectColumn::Number, 1);
    }
};

TEST_F(PopupTest, ReactivationIsOfferedForAStoppedSubjectInARunningTest)
{
    stopSubjectOne(false);
    EXPECT_TRUE(reactivateEnabled());
    panel.findChild<QAction*>(QStringLiteral("Volveraactivar1"))->trigger();
    EXPECT_TRUE(rowButton(1)->isVisible());
    EXPECT_EQ(cell(SubjectColumn::Number, 1), "1");
    EXPECT_TRUE(cell(SubjectColumn::PeriodsCompleted, 1).empty());
    EXPECT_TRUE(cell(SubjectColumn::Vo2Max, 1).empty());
    EXPECT_EQ(cell(SubjectColumn::Name, 1), "Jugador 1");
}

TEST_F(PopupTest, DisabledBeforeATestStarts)
{
    nameRows({1});
    table().setCell(SubjectColumn::PeriodsCompleted, 1, "3");
    click(SubjectColumn::Number, 1);
    EXPECT_FALSE(reactivateEnabled());
}

TEST_F(PopupTest, DisabledOnARowWithoutAName)
{
    stopSubjectOne(false);
    table().setCell(SubjectColumn::Name, 1, "");
    EXPECT_FALSE(reactivateEnabled());
}

TEST_F(PopupTest, DisabledOnARowWithoutAResult)
{
    nameRows({1, 2});
    startEffortTest();
    click(SubjectColumn::Number, 2);
    EXPECT_FALSE(reactivateEnabled());
}

TEST_F(PopupTest, DisabledAfterTheTestEnds)
{
    stopSubjectOne(false);
    harness.run.stop();
    EXPECT_FALSE(reactivateEnabled());
}

TEST_F(PopupTest, DisabledDuringTheWarmUpAndTheRecoveryAfterIt)
{
    stopSubjectOne(true);
    EXPECT_EQ(harness.run.phase(), RunPhase::WarmUp);
    EXPECT_FALSE(reactivateEnabled());
    harness.runUntilTrue([this] { return harness.run.phase() == RunPhase::PreTestRecovery; });
    EXPECT_FALSE(reactivateEnabled());
    harness.runUntilTrue([this] { return harness.run.phase() == RunPhase::EffortPeriod; });
    EXPECT_TRUE(reactivateEnabled()) << "the test proper has begun";
}

}  // namespace
}  // namespace korvel
