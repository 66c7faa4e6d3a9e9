#include "ConfigurationPanel.h"
#include "FlatRadioButton.h"
#include "StoredColors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class ConfigurationPanelTest : public testing::Test {
protected:
    explicit ConfigurationPanelTest(SportEdition edition = SportEdition::Basket)
        : profile(profileFor(edition)), panel(profile)
    {
        panel.setPeriodMaximum(profile.periodTable.entryCount());
        panel.show();
    }

    template <typename T>
    T* child(const char* name)
    {
        T* found = panel.findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    FlatRadioButton* effort() { return child<FlatRadioButton>("FlatRadioButton3"); }
    FlatRadioButton* repeat() { return child<FlatRadioButton>("FlatRadioButton2"); }
    QSpinBox* period() { return child<QSpinBox>("SpinEdit1"); }
    QComboBox* sexList() { return child<QComboBox>("ComboBoxSexo"); }
    QComboBox* categoryList() { return child<QComboBox>("ComboBoxCategoria"); }
    void pick(QComboBox* list, int index) { list->setCurrentIndex(index); }
    void stepUp() { QTest::keyClick(period(), Qt::Key_Up); }
    void stepDown() { QTest::keyClick(period(), Qt::Key_Down); }

    const EditionProfile& profile;
    ConfigurationPanel panel;
};

TEST_F(ConfigurationPanelTest, OpensWithNothingChosen)
{
    EXPECT_EQ(panel.testMode(), std::nullopt);
    EXPECT_EQ(panel.initialPeriod(), 1);
    EXPECT_TRUE(panel.warmUpOption());
    EXPECT_EQ(panel.sex(), Sex::Masculina);
    EXPECT_EQ(panel.category(), std::nullopt);
    EXPECT_EQ(categoryList()->currentText(), QString());
    EXPECT_EQ(categoryList()->placeholderText(), QStringLiteral("Cadete"));
    EXPECT_EQ(panel.speedBox()->text(), QStringLiteral("4,2 Km/h"));
    for (const char* shown : {"PanelConfigurar", "FlatRadioButton3", "FlatRadioButton2"}) {
        EXPECT_TRUE(child<QWidget>(shown)->isVisible()) << shown;
    }
    for (const char* hidden : {"CheckBox_Calentamiento", "FlatPanel21", "FlatPanel15", "FlatPanel22", "FlatPanel23",
                               "FlatPanel8", "LabelVelocidad"}) {
        EXPECT_FALSE(child<QWidget>(hidden)->isVisible()) << hidden;
    }
    EXPECT_EQ(effort()->captionColor(), toQColor(profile.backColor));
    EXPECT_EQ(repeat()->captionColor(), toQColor(profile.backColor));
}

TEST_F(ConfigurationPanelTest, BoxesHangOnePixelIntoTheirHeadings)
{
    EXPECT_EQ(child<QWidget>("FlatPanel15")->geometry(), QRect(217, 59, 196, 28));
    EXPECT_EQ(child<QWidget>("FlatPanel23")->geometry(), QRect(217, 105, 97, 29));
    EXPECT_EQ(child<QWidget>("LabelVelocidad")->geometry(), QRect(317, 105, 96, 29));
}

TEST_F(ConfigurationPanelTest, ChoosingAModePreparesANewTestThenPreviewsThePeriod)
{
    std::vector<std::string> order;
    QObject::connect(&panel, &ConfigurationPanel::newTestRequested, [&] { order.push_back("newTest"); });
    QObject::connect(&panel, &ConfigurationPanel::periodPreviewed,
                     [&](int p) { order.push_back("preview " + std::to_string(p)); });

    QTest::mouseClick(effort(), Qt::LeftButton);
    EXPECT_EQ(panel.testMode(), TestMode::EffortTest);
    EXPECT_EQ(order, (std::vector<std::string>{"newTest", "preview 1"}));
    for (const char* shown : {"CheckBox_Calentamiento", "FlatPanel21", "FlatPanel15", "FlatPanel22", "FlatPanel23",
                              "FlatPanel8", "LabelVelocidad"}) {
        EXPECT_TRUE(child<QWidget>(shown)->isVisible()) << shown;
    }
    EXPECT_EQ(effort()->captionColor(), toQColor(profile.highlightColor));
    EXPECT_EQ(repeat()->captionColor(), toQColor(profile.backColor));

    QTest::mouseClick(effort(), Qt::LeftButton);
    EXPECT_EQ(order.size(), 2u) << "the option already chosen does nothing";
}

TEST_F(ConfigurationPanelTest, RepeatModeHidesCategoryAndWarmUpWhichKeepsItsState)
{
    child<QCheckBox>("CheckBox_Calentamiento")->setChecked(false);
    QTest::mouseClick(repeat(), Qt::LeftButton);
    EXPECT_EQ(panel.testMode(), TestMode::RepeatPeriod);
    for (const char* hidden : {"CheckBox_Calentamiento", "FlatPanel21", "FlatPanel15"}) {
        EXPECT_FALSE(child<QWidget>(hidden)->isVisible()) << hidden;
    }
    for (const char* shown : {"FlatPanel22", "FlatPanel23", "FlatPanel8", "LabelVelocidad"}) {
        EXPECT_TRUE(child<QWidget>(shown)->isVisible()) << shown;
    }
    EXPECT_EQ(repeat()->captionColor(), toQColor(profile.highlightColor));
    EXPECT_EQ(effort()->captionColor(), toQColor(profile.backColor));

    QTest::mouseClick(effort(), Qt::LeftButton);
    EXPECT_FALSE(panel.warmUpOption());
    EXPECT_TRUE(child<QWidget>("CheckBox_Calentamiento")->isVisible());
}

TEST_F(ConfigurationPanelTest, CategoryProposesThePeriodAndSexAloneChangesNothingNew)
{
    QSignalSpy previews(&panel, &ConfigurationPanel::periodPreviewed);
    pick(sexList(), static_cast<int>(Sex::Femenina));
    EXPECT_EQ(panel.initialPeriod(), 1) << "no category chosen yet";
    pick(categoryList(), static_cast<int>(Category::Juvenil));
    EXPECT_EQ(panel.initialPeriod(), 4);
    ASSERT_EQ(previews.count(), 1);
    EXPECT_EQ(previews.back().at(0).toInt(), 4);
    pick(sexList(), static_cast<int>(Sex::Masculina));
    EXPECT_EQ(panel.initialPeriod(), 4);
    pick(categoryList(), static_cast<int>(Category::Senior));
    EXPECT_EQ(panel.initialPeriod(), 6);
    EXPECT_EQ(previews.back().at(0).toInt(), 6);
}

TEST_F(ConfigurationPanelTest, SteppingThePeriodSelectsItsCategory)
{
    EXPECT_EQ(panel.category(), std::nullopt);
    stepUp();
    EXPECT_EQ(panel.initialPeriod(), 2);
    EXPECT_EQ(panel.category(), Category::Cadete) << "the first step selects a category";
    stepUp();
    stepUp();
    EXPECT_EQ(panel.initialPeriod(), 4);
    EXPECT_EQ(panel.category(), Category::Juvenil);
    stepUp();
    stepUp();
    EXPECT_EQ(panel.initialPeriod(), 6);
    EXPECT_EQ(panel.category(), Category::Senior);
    stepDown();
    EXPECT_EQ(panel.category(), Category::Juvenil);
    EXPECT_EQ(panel.initialPeriod(), 5) << "following the period does not propose one";
}

TEST_F(ConfigurationPanelTest, TypedCharactersChangeNeitherFieldNorLists)
{
    stepUp();
    QTest::keyClicks(period(), QStringLiteral("17"));
    EXPECT_EQ(panel.initialPeriod(), 2);
    QTest::keyClicks(categoryList(), QStringLiteral("Senior"));
    EXPECT_EQ(panel.category(), Category::Cadete);
    QTest::keyClicks(sexList(), QStringLiteral("F"));
    EXPECT_EQ(panel.sex(), Sex::Masculina);
    QTest::keyClick(categoryList(), Qt::Key_Down);
    EXPECT_EQ(panel.category(), Category::Juvenil) << "the arrow keys still move the list";
    EXPECT_EQ(panel.initialPeriod(), 4);
}

TEST_F(ConfigurationPanelTest, PointerHighlightsACaptionOnlyUntilAModeIsChosen)
{
    const auto moveOver = [](QWidget* widget, QPointF at = QPointF(3, 3)) {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    const QColor highlight = toQColor(profile.highlightColor);
    const QColor back = toQColor(profile.backColor);
    moveOver(repeat());
    EXPECT_EQ(repeat()->captionColor(), highlight);
    EXPECT_EQ(effort()->captionColor(), back);
    moveOver(effort());
    EXPECT_EQ(effort()->captionColor(), highlight);
    EXPECT_EQ(repeat()->captionColor(), back);
    moveOver(&panel, QPointF(10, 140));
    EXPECT_EQ(effort()->captionColor(), back);
    EXPECT_EQ(repeat()->captionColor(), back);

    QTest::mouseClick(repeat(), Qt::LeftButton);
    moveOver(effort());
    EXPECT_EQ(repeat()->captionColor(), highlight);
    EXPECT_EQ(effort()->captionColor(), back);
}

TEST_F(ConfigurationPanelTest, RunningTestLocksPeriodAndLists)
{
    panel.setTestRunning(true);
    EXPECT_FALSE(period()->isEnabled());
    EXPECT_FALSE(sexList()->isEnabled());
    EXPECT_FALSE(categoryList()->isEnabled());
    panel.setTestRunning(false);
    EXPECT_TRUE(period()->isEnabled());
    EXPECT_TRUE(categoryList()->isEnabled());
}

class FutSalPanel : public ConfigurationPanelTest {
protected:
    FutSalPanel() : ConfigurationPanelTest(SportEdition::FutSal) {}
};

TEST_F(FutSalPanel, PeriodBeyondEveryRangeKeepsTheCategory)
{
    period()->setValue(20);
    EXPECT_EQ(panel.category(), Category::Senior);
    stepUp();
    EXPECT_EQ(panel.initialPeriod(), 21);
    EXPECT_EQ(panel.category(), Category::Senior);
}

}  // namespace
}  // namespace korvel
