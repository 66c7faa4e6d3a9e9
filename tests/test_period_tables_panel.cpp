#include "EditionProfile.h"
#include "PeriodTablesPanel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class PeriodTablesPanelTest : public testing::Test {
protected:
    PeriodTablesPanelTest() : panel(profileFor(SportEdition::Voley).periodTable)
    {
        panel.show();
        list = panel.workingList();
    }

    // Opens the editor of a working-table entry and types into it; returns what the editor took.
    QString typeIntoEntry(int row, const QString& typed)
    {
        list->setCurrentRow(row);
        list->editItem(list->item(row));
        auto* editor = list->findChild<QLineEdit*>();
        if (editor == nullptr) {
            ADD_FAILURE() << "no editor";
            return {};
        }
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Delete);
        QTest::keyClicks(editor, typed);
        return editor->text();
    }

    // Ends the edit by moving to another entry, which hands the editor's text to the list.
    void leaveEntry(int row)
    {
        list->setCurrentRow(row == 0 ? 1 : 0);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    PeriodTablesPanel panel;
    QListWidget* list = nullptr;
};

TEST_F(PeriodTablesPanelTest, ShowsEveryEditionsTableAndTheWorkingCopy)
{
    QStringList headings;
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        headings << label->text();
    }
    EXPECT_EQ(headings, (QStringList{QStringLiteral("Fútbol"), QStringLiteral("Baloncesto"),
                                     QStringLiteral("Fútbol-Sala"), QStringLiteral("Voleibol"),
                                     QStringLiteral("Probst"), QString()}));
    const QList<QListWidget*> lists = panel.findChildren<QListWidget*>();
    ASSERT_EQ(lists.size(), 6);
    EXPECT_EQ(lists[0]->count(), 30);
    EXPECT_EQ(lists[0]->item(0)->text(), QStringLiteral("7843"));
    EXPECT_EQ(lists[2]->count(), 28);
    EXPECT_EQ(lists[4]->item(29)->text(), QStringLiteral("1667"));
    EXPECT_EQ(list->count(), 25);
    EXPECT_EQ(list->item(2)->text(), QStringLiteral("3227"));
    EXPECT_EQ(panel.geometry().size(), QSize(358, 267));
}

TEST_F(PeriodTablesPanelTest, EditOfTheWorkingTableIsPassedOnWhole)
{
    QSignalSpy edited(&panel, &PeriodTablesPanel::workingTableEdited);
    EXPECT_EQ(typeIntoEntry(2, QStringLiteral("3277")), QStringLiteral("3277"));
    leaveEntry(2);
    ASSERT_EQ(edited.count(), 1);
    const auto lines = edited.front().at(0).value<std::vector<std::string>>();
    ASSERT_EQ(lines.size(), 25u);
    EXPECT_EQ(lines[2], "3277");
    EXPECT_EQ(lines[3], "2950");
}

struct TypingCase {
    const char* typed;
    const char* taken;  // what the editor keeps of it
};

class EntryEditor : public PeriodTablesPanelTest, public testing::WithParamInterface<TypingCase> {};

TEST_P(EntryEditor, TakesOnlyWholePositiveNumbers)
{
    const TypingCase& c = GetParam();
    QSignalSpy edited(&panel, &PeriodTablesPanel::workingTableEdited);
    EXPECT_EQ(typeIntoEntry(0, QString::fromLatin1(c.typed)), QString::fromLatin1(c.taken));
    leaveEntry(0);
    const QString expected = *c.taken == '\0' ? QStringLiteral("4214") : QString::fromLatin1(c.taken);
    EXPECT_EQ(list->item(0)->text(), expected);
    EXPECT_EQ(edited.count(), *c.taken == '\0' ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(Typing, EntryEditor,
                         testing::Values(TypingCase{"0", ""}, TypingCase{"abc", ""}, TypingCase{"", ""},
                                         TypingCase{"-", ""}, TypingCase{"007", "7"}, TypingCase{"12a3", "123"},
                                         TypingCase{"1.5", "15"}, TypingCase{"1234567890", "123456789"}));

}  // namespace
}  // namespace korvel
