#include "FlatButton.h"
#include "HelpPanel.h"
#include "HelpTexts.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

const char* const kPictures[] = {"ImageHlp_Futbol", "ImageHlp_Basket", "ImageHlp_FutSal", "ImageHlp_Voley"};

// A stand-in for the main window: its client area and one button of its button row.
class HelpPanelTest : public testing::Test {
protected:
    HelpPanelTest() : panel(new HelpPanel(SportEdition::Basket, &window)) { window.resize(826, 592); }

    QLabel* picture(const char* name) const { return panel->findChild<QLabel*>(name); }
    QPlainTextEdit* memo() const { return panel->findChild<QPlainTextEdit*>("Memo1"); }
    FlatButton* closeButton() const { return panel->findChild<FlatButton*>("BitBtn3"); }

    QWidget window;
    HelpPanel* panel;
};

TEST_F(HelpPanelTest, StartsHiddenWithItsPartsInPlace)
{
    EXPECT_EQ(panel->objectName(), "ScrollBox1");
    EXPECT_TRUE(panel->isHidden());
    for (const char* name : kPictures) {
        ASSERT_NE(picture(name), nullptr) << name;
        EXPECT_TRUE(picture(name)->isHidden()) << name;
        EXPECT_EQ(picture(name)->pixmap().deviceIndependentSize().toSize(), picture(name)->size())
            << name << ": the diagram is drawn at the picture's size";
    }
    EXPECT_EQ(picture("ImageHlp_Basket")->size(), QSize(290, 484));
    ASSERT_NE(memo(), nullptr);
    EXPECT_EQ(memo()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(memo()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(memo()->font().pixelSize(), 11);
    ASSERT_NE(closeButton(), nullptr);
    EXPECT_EQ(closeButton()->text(), " Cerrar ventana");
    EXPECT_FALSE(closeButton()->icon().isNull());
}

TEST_F(HelpPanelTest, LayoutFollowsTheWindowAndTheVolleyballPicture)
{
    const struct {
        QSize client;
        int pictureTop;
        QRect memo;
        QPoint closeButton;
    } cases[] = {
        {{826, 592}, 56, {326, 26, 485, 525}, {344, 545}},
        {{827, 593}, 56, {326, 26, 486, 526}, {344, 546}},  // halves are truncated
        {{900, 700}, 110, {326, 26, 559, 633}, {381, 653}},
    };
    const struct {
        const char* name;
        QRect design;
    } pictures[] = {
        {"ImageHlp_Futbol", {16, 62, 290, 480}},
        {"ImageHlp_Basket", {20, 140, 290, 484}},
        {"ImageHlp_FutSal", {16, 94, 290, 480}},
        {"ImageHlp_Voley", {16, 29, 290, 480}},
    };
    for (const auto& c : cases) {
        window.resize(c.client);
        panel->open();
        EXPECT_EQ(panel->geometry(), QRect(QPoint(0, 0), c.client));
        for (const auto& p : pictures) {
            EXPECT_EQ(picture(p.name)->geometry(), QRect(p.design.left(), c.pictureTop, p.design.width(),
                                                          p.design.height()))
                << p.name << " in " << c.client.width() << " x " << c.client.height();
        }
        EXPECT_EQ(memo()->geometry(), c.memo) << c.client.width() << " x " << c.client.height();
        EXPECT_EQ(closeButton()->geometry(), QRect(c.closeButton, QSize(139, 27)));
    }
}

TEST(HelpPanel, EachEditionShowsItsOwnDiagramAndText)
{
    const struct {
        SportEdition edition;
        const char* picture;
        Court text;
    } cases[] = {
        {SportEdition::Probst, "ImageHlp_Futbol", Court::Football},
        {SportEdition::Futbol, "ImageHlp_Futbol", Court::Football},
        {SportEdition::Basket, "ImageHlp_Basket", Court::Basket},
        {SportEdition::FutSal, "ImageHlp_FutSal", Court::FutSal},
        {SportEdition::Voley, "ImageHlp_Voley", Court::Voley},
    };
    for (const auto& c : cases) {
        QWidget window;
        window.resize(826, 592);
        auto* panel = new HelpPanel(c.edition, &window);
        window.show();
        panel->open();
        for (const char* name : kPictures) {
            EXPECT_EQ(panel->findChild<QLabel*>(name)->isVisible(), qstrcmp(name, c.picture) == 0)
                << name << " for edition " << static_cast<int>(c.edition);
        }
        EXPECT_EQ(panel->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), helpText(c.text))
            << "edition " << static_cast<int>(c.edition);
    }
}

TEST_F(HelpPanelTest, CloseHidesAndReopeningDiscardsWhatWasTyped)
{
    window.show();
    panel->open();
    QTest::keyClicks(memo(), "notas del entrenador");
    ASSERT_NE(memo()->toPlainText(), helpText(Court::Basket)) << "the text can be edited";

    QTest::mouseClick(closeButton(), Qt::LeftButton);
    EXPECT_FALSE(panel->isVisible());

    panel->open();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(memo()->toPlainText(), helpText(Court::Basket));
}

TEST_F(HelpPanelTest, ButtonRowCannotBeReachedWhileTheHelpIsShown)
{
    // Made after the panel, so it lies above it until the panel is brought to the front.
    auto* start = new FlatButton(&window);
    start->setGeometry(277, 1, 137, 53);
    QSignalSpy clicked(start, &QAbstractButton::clicked);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QPoint onButton = start->geometry().center();

    panel->open();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(clicked.count(), 0);
    QWidget* hit = window.childAt(onButton);
    EXPECT_TRUE(hit == panel || panel->isAncestorOf(hit));

    QTest::mouseClick(closeButton(), Qt::LeftButton);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, onButton);
    EXPECT_EQ(clicked.count(), 1) << "with the help closed the button works again";
}

}  // namespace
}  // namespace korvel
