#include "OpenAboutWindow.h"

#include "FlatButton.h"
#include "TFormINI.h"
#include "support/RecordingDesktopOpener.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace korvel {
namespace {

const QColor kGrey(128, 128, 128);

// Runs `inside` on the about window once it is up and modal, then lets OpenAboutWindow return.
void openAboutWindow(QWidget* parent, DesktopOpener& opener, const std::function<void(TFormINI&)>& inside)
{
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TFormINI*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr) << "the about window runs modally";
        inside(*about);
    });
    OpenAboutWindow(parent, opener);
}

FlatButton* button(const TFormINI& about, const char* name)
{
    return about.findChild<FlatButton*>(QString::fromLatin1(name));
}

TEST(AboutWindow, OpensOnTheVersionTabEvenAfterAPreviousOneWasLeftOnAuthors)
{
    RecordingDesktopOpener opener;
    QWidget mainWindow;
    mainWindow.show();
    int opened = 0;
    const auto checkAndLeaveOnAuthors = [&](TFormINI& about) {
        ++opened;
        EXPECT_EQ(about.parentWidget(), &mainWindow);
        EXPECT_EQ(button(about, "Btn_Version")->captionColor(), kGrey) << "opening " << opened;
        EXPECT_FALSE(about.findChild<QWidget*>(QStringLiteral("Panel_Version"))->isHidden());
        QTest::mouseClick(button(about, "Btn_Autores"), Qt::LeftButton);
        EXPECT_EQ(button(about, "Btn_Autores")->captionColor(), kGrey);
        FlatButton* close = button(about, "FlatButton4");
        ASSERT_TRUE(close->isVisible());
        QTest::mouseClick(close, Qt::LeftButton);
    };
    openAboutWindow(&mainWindow, opener, checkAndLeaveOnAuthors);
    openAboutWindow(&mainWindow, opener, checkAndLeaveOnAuthors);
    EXPECT_EQ(opened, 2);
}

TEST(AboutWindow, EscapeAlsoClosesIt)
{
    RecordingDesktopOpener opener;
    bool reached = false;
    openAboutWindow(nullptr, opener, [&](TFormINI& about) {
        reached = true;
        QTest::keyClick(&about, Qt::Key_Escape);
    });
    EXPECT_TRUE(reached);
}

TEST(AboutWindow, LinksGoThroughTheGivenOpener)
{
    RecordingDesktopOpener opener;
    openAboutWindow(nullptr, opener, [&](TFormINI& about) {
        QTest::mouseClick(button(about, "Btn_Actualizacion"), Qt::LeftButton);
        about.close();
    });
    EXPECT_EQ(opener.opened.size(), 1);
}

}  // namespace
}  // namespace korvel
