#include "FlatButton.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

class FlatButtonTest : public testing::Test {
protected:
    FlatButtonTest()
    {
        button.setFaceColors(Qt::red, Qt::green, Qt::blue);
        button.resize(137, 53);
    }

    FlatButton button;
};

TEST_F(FlatButtonTest, FaceFollowsPointerAndPress)
{
    EXPECT_EQ(button.currentFaceColor(), QColor(Qt::red));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(button.currentFaceColor(), QColor(Qt::green));
    button.setDown(true);
    EXPECT_EQ(button.currentFaceColor(), QColor(Qt::blue));
    button.setDown(false);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_EQ(button.currentFaceColor(), QColor(Qt::red));
}

TEST_F(FlatButtonTest, DisabledButtonShowsNoHover)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    button.setEnabled(false);
    EXPECT_EQ(button.currentFaceColor(), QColor(Qt::red));
}

TEST(FlatButton, MnemonicInCaptionClicksTheButton)
{
    QWidget window;
    auto* start = new FlatButton(&window);
    start->setText(QStringLiteral("&Empezar..."));
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QSignalSpy clicked(start, &QAbstractButton::clicked);
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    // A shortcut animates the click, which lands a moment later.
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicked.count() == 1; }, 1000));
}

TEST_F(FlatButtonTest, DisabledIconIsGreyed)
{
    QPixmap red(16, 16);
    red.fill(Qt::red);
    button.setIcon(QIcon(red));
    button.setIconSize(QSize(16, 16));
    const auto centreOf = [&] {
        QImage shot = button.grab().toImage();
        return shot.pixelColor(shot.width() / 2 - 8 + 8, shot.height() / 2);
    };
    button.setText(QString());
    const QColor enabled = centreOf();
    button.setEnabled(false);
    const QColor disabled = centreOf();
    EXPECT_EQ(enabled, QColor(Qt::red));
    EXPECT_EQ(disabled.red(), disabled.green()) << "a disabled icon has no colour";
}

}  // namespace
}  // namespace korvel
