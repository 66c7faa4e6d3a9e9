#include "EditionProfile.h"
#include "SubjectsTable.h"
#include "SubjectsTableModel.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class SubjectsTableModelTest : public ::testing::TestWithParam<SportEdition> {
protected:
    SubjectsTableModelTest()
        : table(SubjectsTable::forEdition(profileFor(GetParam())))
        , model(table)
        , tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal)
    {
    }

    SubjectsTable table;
    SubjectsTableModel model;
    QAbstractItemModelTester tester;
};

TEST_P(SubjectsTableModelTest, ShowsTheTableAndFollowsItsChanges)
{
    const EditionProfile& profile = profileFor(GetParam());
    EXPECT_EQ(model.rowCount(), profile.stationsPerLap);
    EXPECT_EQ(model.columnCount(), GetParam() == SportEdition::Basket ? 8 : 7);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    table.setCell(SubjectColumn::Name, 2, "Ana");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.front().at(0).toModelIndex(), model.index(1, 1));
    EXPECT_EQ(model.index(1, 1).data().toString(), "Ana");

    table.activateNamedRows();
    EXPECT_EQ(model.index(1, 0).data().toString(), "2");
    table.clearAll();
    EXPECT_EQ(model.index(1, 1).data().toString(), "");
}

TEST_P(SubjectsTableModelTest, StopButtonAndSelectionChangesAreSignalled)
{
    QSignalSpy buttons(&model, &SubjectsTableModel::stopButtonChanged);
    QSignalSpy selection(&model, &SubjectsTableModel::tableSelectionChanged);
    table.setCell(SubjectColumn::Name, 3, "Eva");
    table.activateNamedRows();
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons.front().at(0).toInt(), 3);
    table.selectCell(SubjectColumn::Name, 4);
    EXPECT_EQ(selection.count(), 1);
}

TEST_P(SubjectsTableModelTest, OnlyTypedColumnsAreEditableAndOnlyInCellEdit)
{
    const QModelIndex name = model.index(0, columnIndex(SubjectColumn::Name));
    const QModelIndex time = model.index(0, columnIndex(SubjectColumn::Time));
    EXPECT_FALSE(model.flags(name) & Qt::ItemIsEditable);
    table.doubleClicked();
    EXPECT_TRUE(model.flags(name) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.flags(time) & Qt::ItemIsEditable);
}

TEST_P(SubjectsTableModelTest, HeaderCaptionsAndColours)
{
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Nº");
    EXPECT_EQ(model.headerData(6, Qt::Horizontal).toString(), "Vel. Máx. (Km/h)");
    const auto captionColour = [&](SubjectColumn column) {
        return model.headerData(columnIndex(column), Qt::Horizontal, Qt::ForegroundRole).value<QBrush>().color();
    };
    EXPECT_EQ(captionColour(SubjectColumn::Name), QColor(Qt::white));
    EXPECT_EQ(captionColour(SubjectColumn::Code), QColor(Qt::white));
    EXPECT_EQ(captionColour(SubjectColumn::Time), QColor(192, 192, 192));
    EXPECT_EQ(model.index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
}

INSTANTIATE_TEST_SUITE_P(Editions, SubjectsTableModelTest,
                         ::testing::Values(SportEdition::Basket, SportEdition::Futbol));

}  // namespace
}  // namespace korvel
