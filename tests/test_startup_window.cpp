#include "TFormINI.h"

#include "ApplicationTitle.h"
#include "EffectLabel.h"
#include "FlatButton.h"
#include "support/ErrorBoxRecorder.h"
#include "support/RecordingDesktopOpener.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvel {
namespace {

const QColor kGrey(128, 128, 128);
const QColor kSilver(192, 192, 192);

// The child of `panel` that is in front at `point` (panel coordinates).
QWidget* frontChildAt(QWidget* panel, QPoint point)
{
    QWidget* widget = panel->childAt(point);
    while (widget != nullptr && widget->parentWidget() != panel) {
        widget = widget->parentWidget();
    }
    return widget;
}

// Builds start-up windows whose timer is driven by hand and whose main window is a dialog
// the test controls.
class StartupWindowTest : public testing::Test {
protected:
    std::unique_ptr<TFormINI> makeWindow(SportEdition edition = SportEdition::Basket)
    {
        auto window = std::make_unique<TFormINI>(
            opener,
            [this] {
                // Only the first main window re-enters, so a broken guard fails instead of recursing.
                const bool first = ++mainWindowsBuilt == 1;
                if (first && onBuild) {
                    onBuild();
                }
                auto dialog = std::make_unique<QDialog>();
                QTimer::singleShot(0, dialog.get(), [this, first, dialog = dialog.get()] {
                    if (first && whileMainWindowRuns) {
                        whileMainWindowRuns();
                    }
                    dialog->accept();
                });
                return dialog;
            },
            edition);
        window->findChild<QTimer*>(QStringLiteral("Timer_Inicio"))->stop();
        return window;
    }

    template <typename Widget = QWidget>
    static Widget* child(const QWidget& window, const char* name)
    {
        auto* widget = window.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    RecordingDesktopOpener opener;
    int mainWindowsBuilt = 0;
    std::function<void()> onBuild;
    std::function<void()> whileMainWindowRuns;
};

TEST_F(StartupWindowTest, WindowIsAFixedFramelessAlwaysOnTopWindowWithItsCloseButtonHidden)
{
    auto window = makeWindow();
    EXPECT_EQ(window->size(), QSize(323, 322));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("KORVEL"));
    EXPECT_TRUE(child(*window, "FlatButton4")->isHidden());
    EXPECT_EQ(child(*window, "PanelAbout")->geometry(), QRect(0, 0, 323, 322));
    const auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer_Inicio"));
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_FALSE(timer->isSingleShot());
}

TEST_F(StartupWindowTest, VersionPanelIsLaidOutFromItsWidth)
{
    auto window = makeWindow();
    EXPECT_EQ(child(*window, "Panel_Version")->geometry(), QRect(18, 76, 287, 144));
    EXPECT_EQ(child(*window, "Btn_Version")->geometry(), QRect(0, 0, 143, 17));
    EXPECT_EQ(child(*window, "Btn_Autores")->geometry(), QRect(142, 0, 145, 17));
    EXPECT_EQ(child(*window, "Btn_Actualizacion")->geometry(), QRect(0, 120, 287, 24));
    EXPECT_EQ(child(*window, "Btn_Bibliografia")->geometry(), QRect(0, 120, 287, 24));
    EXPECT_EQ(child(*window, "FlatPanel_Info")->geometry(), QRect(0, 16, 287, 105));
    EXPECT_EQ(child(*window, "Panel_Autores")->geometry(), QRect(0, 16, 287, 105));
    for (const char* list : {"ListBox_Futbol", "ListBox_Basket", "ListBox_FutSal", "ListBox_Voley"}) {
        EXPECT_EQ(child(*window, list)->geometry(), QRect(5, 5, 277, 95)) << list;
    }
}

TEST_F(StartupWindowTest, InformationRowsAreSpreadOverThePanelWithCaptionsEndingBeforeTheValues)
{
    auto window = makeWindow();
    const struct {
        const char* caption;
        const char* value;
        int top;
    } rows[] = {{"LabelTitulo1", "LabelTitulo2", 13},
                {"LabelVersion1", "LabelVersion2", 34},
                {"LabelEdicion1", "LabelEdicion2", 55},
                {"LabelIdioma1", "LabelIdiomaWin2", 76}};
    for (const auto& row : rows) {
        const QWidget* caption = child(*window, row.caption);
        const QWidget* value = child(*window, row.value);
        EXPECT_EQ(caption->y(), row.top) << row.caption;
        EXPECT_EQ(caption->height(), 15) << row.caption;
        EXPECT_EQ(value->y(), row.top) << row.value;
        EXPECT_EQ(value->x(), 95) << row.value;
        EXPECT_EQ(caption->x() + caption->width(), 87) << row.caption;
    }
}

TEST_F(StartupWindowTest, LogoFrameSitsAboveTheNotice)
{
    auto window = makeWindow();
    EXPECT_EQ(child(*window, "PanelMarca")->geometry(), QRect(9, 240, 305, 42));
    EXPECT_EQ(child(*window, "ImageMarca")->geometry(), QRect(1, 1, 303, 40));
}

TEST_F(StartupWindowTest, LayoutFollowsANewSizeOfTheVersionPanel)
{
    auto window = makeWindow();
    window->show();
    child(*window, "Panel_Version")->resize(301, 160);

    EXPECT_EQ(child(*window, "Btn_Version")->width(), 150);
    EXPECT_EQ(child(*window, "Btn_Autores")->geometry(), QRect(149, 0, 152, 17));
    EXPECT_EQ(child(*window, "Btn_Actualizacion")->geometry(), QRect(0, 136, 301, 24));
    EXPECT_EQ(child(*window, "FlatPanel_Info")->geometry(), QRect(0, 16, 301, 121));
    EXPECT_EQ(child(*window, "Panel_Autores")->geometry(), QRect(0, 16, 301, 121));
    // 121 high: gaps of 7 and 3 around rows of 15.
    EXPECT_EQ(child(*window, "LabelTitulo1")->y(), 20);
    EXPECT_EQ(child(*window, "LabelVersion1")->y(), 42);
    EXPECT_EQ(child(*window, "LabelEdicion1")->y(), 63);
    EXPECT_EQ(child(*window, "LabelIdioma1")->y(), 85);
    EXPECT_EQ(child(*window, "LabelIdiomaWin2")->x(), 100);
}

TEST_F(StartupWindowTest, SetUpFillsInTheVersionInformationAndOpensOnTheVersionTab)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    auto window = makeWindow();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "set-up leaves the normal pointer";

    EXPECT_EQ(child<QLabel>(*window, "LabelVersion2")->text(), QStringLiteral("2.0.1"));
    EXPECT_EQ(child<QLabel>(*window, "LabelEdicion2")->text(), QStringLiteral("2015"));
    EXPECT_EQ(child<QLabel>(*window, "LabelIdiomaWin2")->text(), QStringLiteral("Español"));
    EXPECT_EQ(window->startupTicks(), 0);

    QWidget* panel = child(*window, "Panel_Version");
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 60)), child(*window, "FlatPanel_Info"));
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 130)), child(*window, "Btn_Actualizacion"));
    EXPECT_EQ(child<FlatButton>(*window, "Btn_Version")->captionColor(), kGrey);
    EXPECT_EQ(child<FlatButton>(*window, "Btn_Autores")->captionColor(), kSilver);
}

TEST_F(StartupWindowTest, TabsSwapCaptionColoursAndTheFrontPanel)
{
    auto window = makeWindow();
    window->show();
    QWidget* panel = child(*window, "Panel_Version");
    auto* version = child<FlatButton>(*window, "Btn_Version");
    auto* authors = child<FlatButton>(*window, "Btn_Autores");
    QWidget* credits = child(*window, "ListBox_Basket");
    EXPECT_TRUE(credits->isHidden());

    QTest::mouseClick(authors, Qt::LeftButton);
    EXPECT_EQ(authors->captionColor(), kGrey);
    EXPECT_EQ(version->captionColor(), kSilver);
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 60)), child(*window, "Panel_Autores"));
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 130)), child(*window, "Btn_Bibliografia"));
    EXPECT_TRUE(credits->isVisible());

    QTest::mouseClick(version, Qt::LeftButton);
    EXPECT_EQ(authors->captionColor(), kSilver);
    EXPECT_EQ(version->captionColor(), kGrey);
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 60)), child(*window, "FlatPanel_Info"));
    EXPECT_EQ(frontChildAt(panel, QPoint(100, 130)), child(*window, "Btn_Actualizacion"));
    EXPECT_TRUE(credits->isVisible()) << "a list once shown stays shown, only covered";
}

TEST_F(StartupWindowTest, ClickingTheActiveTabChangesNothingVisible)
{
    auto window = makeWindow();
    window->show();
    QWidget* panel = child(*window, "Panel_Version");
    for (const char* tab : {"Btn_Version", "Btn_Autores"}) {
        QTest::mouseClick(child(*window, tab), Qt::LeftButton);
        const QImage before = panel->grab().toImage();
        QTest::mouseClick(child(*window, tab), Qt::LeftButton);
        EXPECT_EQ(panel->grab().toImage(), before) << tab;
    }
}

// What the window shows and opens for each edition.
struct EditionCase {
    SportEdition edition;
    const char* title;
    const char* subtitle;
    bool showsNotice;
    const char* creditsList;
    const char* address;
};

class StartupWindowEditionTest : public StartupWindowTest, public testing::WithParamInterface<EditionCase> {};

TEST_P(StartupWindowEditionTest, ShowsTheEditionsTextsAndOpensItsPage)
{
    const EditionCase& expected = GetParam();
    auto window = makeWindow(expected.edition);
    window->show();
    const QString title = QString::fromUtf8(expected.title);

    EXPECT_EQ(window->edition(), expected.edition);
    EXPECT_EQ(ApplicationTitle::text(), title);
    EXPECT_EQ(window->findChild<EffectLabel*>(QStringLiteral("LabelEffect3"))->text(), title);
    EXPECT_EQ(child<QLabel>(*window, "LabelTitulo2")->text(), title);
    EXPECT_EQ(child<QLabel>(*window, "Label2")->text(), QString::fromUtf8(expected.subtitle));
    EXPECT_EQ(!child<QLabel>(*window, "LabelAviso")->text().isEmpty(), expected.showsNotice);

    QTest::mouseClick(child(*window, "Btn_Autores"), Qt::LeftButton);
    for (const auto* list : window->findChildren<QListWidget*>()) {
        EXPECT_EQ(list->isVisible(), list->objectName() == QLatin1String(expected.creditsList))
            << list->objectName().toStdString();
    }

    // The bibliography button is in front now; the update button is behind it.
    QTest::mouseClick(child(*window, "Btn_Bibliografia"), Qt::LeftButton);
    QTest::mouseClick(child(*window, "Btn_Version"), Qt::LeftButton);
    QTest::mouseClick(child(*window, "Btn_Actualizacion"), Qt::LeftButton);
    const QUrl address(QString::fromLatin1(expected.address));
    EXPECT_EQ(opener.opened, QList<QUrl>({address, address}));
}

INSTANTIATE_TEST_SUITE_P(
    Editions, StartupWindowEditionTest,
    testing::Values(
        EditionCase{SportEdition::Probst, "Test de Probst", "OSKABEL en Fútbol", false, "ListBox_Futbol",
                    "https://www.korvel.example"},
        EditionCase{SportEdition::Futbol, "KORVEL-Fútbol 2.0", "OSKABEL en Fútbol", true, "ListBox_Futbol",
                    "https://www.korvel.example/KORVEL/korvel-futbol.html"},
        EditionCase{SportEdition::Basket, "KORVEL-Basket 2.0", "OSKABEL en Baloncesto", true,
                    "ListBox_Basket",
                    "https://www.korvel.example/KORVEL/korvel-basket.html"},
        EditionCase{SportEdition::FutSal, "KORVEL-FutSal", "OSKABEL en Fútbol Sala", true, "ListBox_FutSal",
                    "https://www.korvel.example/KORVEL/korvel-futsal.html"},
        EditionCase{SportEdition::Voley, "KORVEL-Voley", "OSKABEL en Voleibol", true, "ListBox_Voley",
                    "https://www.korvel.example/KORVEL/korvel-voley.html"}));

TEST_F(StartupWindowTest, CreditsListsHaveTheirSectionsAndNoEmptyEntriesAtTheEdges)
{
    auto window = makeWindow();
    const auto headings = [&](const char* name) {
        QStringList found;
        const auto* list = child<QListWidget>(*window, name);
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->text().endsWith(QLatin1Char(':'))) {
                found << list->item(row)->text();
            }
        }
        EXPECT_FALSE(list->item(0)->text().isEmpty()) << name;
        EXPECT_FALSE(list->item(list->count() - 1)->text().isEmpty()) << name;
        return found;
    };
    const QStringList research = {"DESARROLLO SOFTWARE:", "INVESTIGADORES PRINCIPALES:", "COLABORADORES:",
                                  "AGRADECIMIENTOS:"};
    const QStringList authors = {"AUTORES:", "AGRADECIMIENTOS:"};
    EXPECT_EQ(headings("ListBox_Futbol"), research);
    EXPECT_EQ(headings("ListBox_Basket"), research);
    EXPECT_EQ(headings("ListBox_FutSal"), authors);
    EXPECT_EQ(headings("ListBox_Voley"), authors);
}

TEST_F(StartupWindowTest, DoubleClickOnTheLogoOpensTheHomePageUnderTheBusyPointer)
{
    auto window = makeWindow();
    window->show();
    QTest::mouseDClick(child(*window, "ImageMarca"), Qt::LeftButton);
    EXPECT_EQ(opener.opened, QList<QUrl>({QUrl(QStringLiteral("https://www.korvel.example"))}));
    EXPECT_EQ(opener.pointerWhileOpening, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StartupWindowTest, PointerIsBackToNormalWhenTheLogosAddressCannotBeOpened)
{
    auto window = makeWindow();
    opener.outcome = RecordingDesktopOpener::Outcome::Refuses;
    window->ImageMarcaDblClick();
    EXPECT_EQ(opener.pointerWhileOpening, Qt::WaitCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    opener.outcome = RecordingDesktopOpener::Outcome::Throws;
    EXPECT_THROW(window->ImageMarcaDblClick(), std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StartupWindowTest, FirstTickOnlyCounts)
{
    auto window = makeWindow();
    window->show();
    window->Timer_InicioTimer();
    EXPECT_EQ(window->startupTicks(), 1);
    EXPECT_EQ(mainWindowsBuilt, 0);
    EXPECT_EQ(window->mainWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartupWindowTest, SecondTickBuildsAndRunsTheMainWindowOnceWhileLaterTicksDoNothing)
{
    auto window = makeWindow();
    window->show();
    QSignalSpy finished(window.get(), &TFormINI::mainWindowFinished);
    bool startupHiddenDuringRun = false;
    bool mainWindowRanModally = false;
    // The ticks that keep arriving while the main window runs inside the second one.
    whileMainWindowRuns = [&] {
        startupHiddenDuringRun = window->isHidden();
        mainWindowRanModally = QApplication::activeModalWidget() == window->mainWindow();
        window->Timer_InicioTimer();
        window->Timer_InicioTimer();
    };

    window->Timer_InicioTimer();
    window->Timer_InicioTimer();

    EXPECT_EQ(mainWindowsBuilt, 1);
    EXPECT_TRUE(startupHiddenDuringRun);
    EXPECT_TRUE(mainWindowRanModally);
    EXPECT_EQ(window->startupTicks(), 4);
    EXPECT_EQ(finished.count(), 1);

    window->Timer_InicioTimer();
    EXPECT_EQ(mainWindowsBuilt, 1);
    EXPECT_EQ(finished.count(), 1);
    EXPECT_TRUE(window->isHidden());
}

TEST_F(StartupWindowTest, TickDuringTheMainWindowsOwnSetUpDoesNotBuildASecondOne)
{
    auto window = makeWindow();
    onBuild = [&] { window->Timer_InicioTimer(); };
    window->Timer_InicioTimer();
    window->Timer_InicioTimer();
    EXPECT_EQ(mainWindowsBuilt, 1);
    EXPECT_EQ(window->startupTicks(), 3);
}

TEST_F(StartupWindowTest, TheTimerItselfHandsOver)
{
    auto window = makeWindow();
    window->show();
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer_Inicio"));
    timer->start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return mainWindowsBuilt == 1; }, 2000));
    EXPECT_GE(window->startupTicks(), 2);
}

TEST_F(StartupWindowTest, MainWindowThatCannotBeBuiltIsReportedAndEndsTheProgram)
{
    ErrorBoxRecorder errors;
    auto window = makeWindow();
    QSignalSpy finished(window.get(), &TFormINI::mainWindowFinished);
    onBuild = [] { throw std::runtime_error("No se encuentra el dispositivo de sonido."); };

    window->Timer_InicioTimer();
    window->Timer_InicioTimer();
    window->Timer_InicioTimer();

    ASSERT_EQ(errors.boxes.size(), 1u);
    EXPECT_EQ(errors.boxes[0].second, QStringLiteral("No se encuentra el dispositivo de sonido."));
    EXPECT_EQ(finished.count(), 1);
    EXPECT_EQ(mainWindowsBuilt, 1);
}

TEST_F(StartupWindowTest, StartupWindowCannotBeClosedByTheUser)
{
    auto window = makeWindow();
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StartupWindowTest, WindowWithoutAMainWindowToBuildNeverHandsOver)
{
    TFormINI about(opener, nullptr, SportEdition::Basket);
    about.show();
    for (int tick = 0; tick < 3; ++tick) {
        about.Timer_InicioTimer();
    }
    EXPECT_EQ(about.startupTicks(), 3);
    EXPECT_EQ(about.mainWindow(), nullptr);
    EXPECT_TRUE(about.isVisible());
}

TEST_F(StartupWindowTest, ErrorInTheSetUpIsReportedAndTheWindowIsStillBuilt)
{
    ErrorBoxRecorder errors;
    std::unique_ptr<TFormINI> window;
    EXPECT_NO_THROW(window = makeWindow(static_cast<SportEdition>(9)));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(errors.boxes.size(), 1u);
    window->show();
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace korvel
