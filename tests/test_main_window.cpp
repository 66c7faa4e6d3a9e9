#include "CommandBar.h"
#include "EffectLabel.h"
#include "support/FakeRunPorts.h"
#include "FlatButton.h"
#include "support/ResultsFakes.h"
#include "ResultsCommands.h"
#include "SoundOutputCheck.h"
#include "StoredColors.h"
#include "SubjectsTable.h"
#include "TForm1.h"
#include "TestRun.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace korvel {
namespace {

using testing::FakeClocks;
using testing::FakeDialogs;
using testing::FakeWriter;
using testing::RecordingSink;

class FakeSoundCheck : public SoundOutputCheck {
public:
    bool soundAvailable() const override
    {
        ++checks;
        return available;
    }

    bool available = true;
    mutable int checks = 0;
};

struct Placed {
    const char* name;
    QRect rect;
};

// A main window over fakes: a clock the test moves, dialogs answered in advance, and an
// executable folder and working directory of its own.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { QDir::setCurrent(workingDir.path()); }
    ~MainWindowTest() override { QDir::setCurrent(previousDir); }

    TForm1& open(SportEdition edition = SportEdition::Basket)
    {
        window = std::make_unique<TForm1>(
            edition, MainWindowServices{.clock = clocks,
                                        .wallClock = clocks,
                                        .sound = sink,
                                        .soundCheck = soundCheck,
                                        .dialogs = dialogs,
                                        .writer = writer,
                                        .applicationDirectory = appDir.path(),
                                        .openAbout = [this](QWidget*) { ++aboutWindows; }});
        window->show();
        QCoreApplication::processEvents();  // the first activation follows the first show
        return *window;
    }

    template <typename T = QWidget>
    T* child(const char* name)
    {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QRect rectOf(const char* name) { return child(name)->geometry(); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    // Enabled state of the six commands, "Salir" to "A cerca de...".
    std::vector<bool> commandsEnabled()
    {
        std::vector<bool> enabled;
        for (const char* name :
             {"BitBtnSalir", "BitBtnNuevo", "BitBtnStart", "BitBtnStop", "BitBtnAyuda", "BitBtnGrupo"}) {
            enabled.push_back(child(name)->isEnabled());
        }
        return enabled;
    }
    void startEffortTestWithoutWarmUp()
    {
        click("BitBtnEmpezar");
        click("FlatRadioButton3");
        child<QAbstractButton>("CheckBox_Calentamiento")->setChecked(false);
        click("BitBtnStart");
    }

    // The places of the composition: the same for every edition but the court panel's name.
    void expectComposition(const char* court)
    {
        const Placed places[] = {
            {"BitBtnSalir", {1, 1, 137, 53}},      {"BitBtnNuevo", {139, 1, 137, 53}},
            {"BitBtnStart", {277, 1, 137, 53}},    {"BitBtnStop", {415, 1, 137, 53}},
            {"BitBtnAyuda", {553, 1, 137, 53}},    {"BitBtnGrupo", {691, 1, 134, 53}},
            {"PanelDuracion", {26, 79, 437, 98}},  {"PanelVelocidad", {26, 182, 437, 45}},
            {"PanelTipo", {26, 79, 437, 148}},     {"PanelDeportistas", {26, 232, 437, 336}},
            {court, {468, 79, 332, 489}},          {"LabelVueltaN", {721, 550, 60, 16}},
            {"EditVuelta", {780, 550, 18, 16}},    {"PanelInicio", {0, 0, 826, 592}},
            {"PanelParametros", {761, -52, 358, 267}}, {"LabelEffect3", {96, 153, 633, 109}},
            {"LabelEffect4", {52, 220, 721, 42}},  {"Acercade", {260, 474, 65, 72}},
            {"BitBtnEmpezar", {333, 474, 233, 72}},
        };
        for (const Placed& place : places) {
            EXPECT_EQ(rectOf(place.name), place.rect) << place.name;
        }
    }

    QString previousDir = QDir::currentPath();
    QTemporaryDir appDir;
    QTemporaryDir workingDir;
    FakeClocks clocks;
    RecordingSink sink{clocks};
    FakeSoundCheck soundCheck;
    FakeDialogs dialogs;
    FakeWriter writer;
    int aboutWindows = 0;
    std::unique_ptr<TForm1> window;
};

TEST_F(MainWindowTest, BasketballCompositionFollowsTheLayoutRules)
{
    open(SportEdition::Basket);
    EXPECT_EQ(window->size(), QSize(826, 592));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window is fixed in size";
    expectComposition("Panel_Basket");
}

TEST_F(MainWindowTest, FourteenConeEditionHasTheSameComposition)
{
    open(SportEdition::FutSal);
    expectComposition("Panel_FutSal");
}

TEST_F(MainWindowTest, WindowIsAFixedDialogThatStaysOnTopWithACloseBoxOnly)
{
    open();
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(window->windowIcon().isNull());
}

struct SkinCase {
    SportEdition edition;
    const char* caption;
    const char* startTitle;
    const char* subtitle;
    const char* court;
    QSize startPicture;
};

class EditionSkin : public MainWindowTest, public ::testing::WithParamInterface<SkinCase> {};

TEST_P(EditionSkin, DressesTheWindow)
{
    const SkinCase& c = GetParam();
    open(c.edition);
    const EditionProfile& profile = profileFor(c.edition);
    EXPECT_EQ(window->windowTitle(), QString::fromUtf8(c.caption));
    EXPECT_EQ(child<EffectLabel>("LabelEffect3")->text(), QString::fromUtf8(c.startTitle));
    EXPECT_EQ(child<EffectLabel>("LabelEffect4")->text(), QString::fromUtf8(c.subtitle));
    EXPECT_EQ(child<QLabel>("ImagePpal")->pixmap().size(), c.startPicture);

    for (const char* court : {"Panel_Futbol", "Panel_Basket", "Panel_FutSal", "Panel_Voley"}) {
        EXPECT_EQ(child(court)->isVisibleTo(window.get()), std::string(court) == c.court) << court;
    }
    EXPECT_EQ(window->palette().color(QPalette::Window), toQColor(profile.backColor));
    for (const char* panel : {"PanelDuracion", "PanelVelocidad", "PanelTipo", "PanelDeportistas"}) {
        EXPECT_EQ(child(panel)->palette().color(QPalette::Window), toQColor(profile.panelColor)) << panel;
    }
    auto* salir = child<FlatButton>("BitBtnSalir");
    EXPECT_EQ(salir->currentFaceColor(), toQColor(profile.panelColor));
    salir->setDown(true);
    EXPECT_EQ(salir->currentFaceColor(), toQColor(profile.backColor));
    EXPECT_EQ(child<QSpinBox>("SpinEdit1")->maximum(), profile.periodTable.entryCount());
}

INSTANTIATE_TEST_SUITE_P(
    EveryEdition, EditionSkin,
    ::testing::Values(
        SkinCase{SportEdition::Probst, "Test de Probst: OSKABEL en Fútbol", " Test de Probst ", "OSKABEL en Fútbol",
                 "Panel_Futbol", {376, 268}},
        SkinCase{SportEdition::Futbol, "KORVEL-Fútbol 2.0: OSKABEL en Fútbol", " KORVEL-Fútbol 2.0 ",
                 "OSKABEL en Fútbol", "Panel_Futbol", {376, 268}},
        SkinCase{SportEdition::Basket, "KORVEL-Basket 2.0: OSKABEL en Baloncesto", " KORVEL-Basket 2.0 ",
                 "OSKABEL en Baloncesto", "Panel_Basket", {904, 599}},
        SkinCase{SportEdition::FutSal, "KORVEL-FutSal: OSKABEL en Fútbol-Sala", " KORVEL-FutSal ",
                 "OSKABEL en Fútbol-Sala", "Panel_FutSal", {376, 268}},
        SkinCase{SportEdition::Voley, "KORVEL-Voley: OSKABEL en Voleibol", " KORVEL-Voley ", "OSKABEL en Voleibol",
                 "Panel_Voley", {904, 599}}));

TEST_F(MainWindowTest, CommandsFollowTheTestFromOpeningToItsEnd)
{
    open();
    using Enabled = std::vector<bool>;
    EXPECT_EQ(commandsEnabled(), (Enabled{true, false, false, false, true, true})) << "opened";

    click("BitBtnEmpezar");
    EXPECT_FALSE(child("PanelInicio")->isVisible());
    click("FlatRadioButton2");
    EXPECT_EQ(commandsEnabled(), (Enabled{true, false, true, false, true, true})) << "mode chosen";

    click("BitBtnStart");
    EXPECT_EQ(commandsEnabled(), (Enabled{false, false, false, true, false, false})) << "running";
    EXPECT_FALSE(child("PanelTipo")->isVisible());
    EXPECT_FALSE(child("SpinEdit1")->isEnabled());

    click("BitBtnStop");
    EXPECT_EQ(commandsEnabled(), (Enabled{true, true, false, false, true, true})) << "ended";
    EXPECT_FALSE(child("PanelTipo")->isVisible());
    EXPECT_TRUE(child("SpinEdit1")->isEnabled());

    click("BitBtnNuevo");
    EXPECT_EQ(commandsEnabled(), (Enabled{true, false, true, false, true, true})) << "new test";
    EXPECT_TRUE(child("PanelTipo")->isVisible());
}

TEST_F(MainWindowTest, ClosingDuringARunningTestAsksToLeaveAndNothingElse)
{
    open();
    startEffortTestWithoutWarmUp();
    ASSERT_TRUE(window->run().isRunning());
    dialogs.calls.clear();

    dialogs.okAnswer = false;
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->run().isRunning()) << "the test goes on behind the question";
    EXPECT_TRUE(window->ticks().running().station);
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "okCancel"}));
    EXPECT_EQ(dialogs.titles.back(), "Salir de KORVEL-Basket 2.0");
    EXPECT_EQ(dialogs.texts.back(), "Esto finaliza su sesión con KORVEL-Basket 2.0.");

    dialogs.okAnswer = true;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "okCancel", "alert", "okCancel"}))
        << "no question about results not exported";
    EXPECT_EQ(window->ticks().running(), TickSet{}) << "nothing sounds once the program ends";
}

TEST_F(MainWindowTest, SalirAsksTheSameQuestionAndEscapeNone)
{
    open();
    click("BitBtnEmpezar");
    dialogs.okAnswer = false;
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialogs.calls.empty());
    EXPECT_TRUE(window->isVisible());

    click("BitBtnSalir");
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "okCancel"}));
    EXPECT_TRUE(window->isVisible());
    dialogs.okAnswer = true;
    click("BitBtnSalir");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ExportFolderIsMadeBesideTheExecutable)
{
    open();
    EXPECT_TRUE(QFileInfo(appDir.filePath(QStringLiteral("Export"))).isDir());
}

TEST_F(MainWindowTest, ExistingExportFolderIsLeftAlone)
{
    QDir(appDir.path()).mkdir(QStringLiteral("Export"));
    QFile earlier(appDir.filePath(QStringLiteral("Export/earlier.txt")));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("kept");
    earlier.close();
    open();
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("kept"));
}

TEST_F(MainWindowTest, FileInThePlaceOfTheExportFolderIsNoHindrance)
{
    QFile blocker(appDir.filePath(QStringLiteral("Export")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    open();
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
    EXPECT_TRUE(dialogs.calls.empty()) << "nothing is reported";
}

TEST_F(MainWindowTest, ActivationTakesTheWorkingDirectoryAsBase)
{
    open();
    EXPECT_EQ(window->baseDirectory(), workingDir.path() + QLatin1Char('/'));
    EXPECT_TRUE(QFileInfo(workingDir.filePath(QStringLiteral("Export"))).isDir())
        << "the proposed export folder exists";
}

TEST_F(MainWindowTest, AboutWindowAndItsReturn)
{
    open();
    click("Acercade");
    EXPECT_EQ(aboutWindows, 1);
    click("BitBtnEmpezar");
    click("BitBtnGrupo");
    EXPECT_EQ(aboutWindows, 2);
}

TEST_F(MainWindowTest, MissingSoundOutputIsReportedOncePerActivation)
{
    soundCheck.available = false;
    open();
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "warning"}));
    EXPECT_EQ(dialogs.titles.back(), "KORVEL-Basket 2.0");
    EXPECT_EQ(dialogs.texts.back(), "No se ha encontrado ninguna tarjeta de sonido instalada en su sistema.");
    EXPECT_FALSE(window->run().soundAvailable());

    // The focus coming back from the message box is no new activation.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(window.get(), &activate);
    QCoreApplication::processEvents();
    EXPECT_EQ(soundCheck.checks, 1);
    EXPECT_EQ(dialogs.calls.size(), 2u);

    click("Acercade");
    EXPECT_EQ(soundCheck.checks, 2) << "coming back from the about window is";
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "warning", "alert", "warning"}));

    soundCheck.available = true;
    click("Acercade");
    EXPECT_EQ(dialogs.calls.size(), 4u);
    EXPECT_TRUE(window->run().soundAvailable());
}

TEST_F(MainWindowTest, SilentRunGoesOnWithoutBeeps)
{
    soundCheck.available = false;
    open();
    startEffortTestWithoutWarmUp();
    clocks.now += 5340;
    window->run().stationTick();
    EXPECT_EQ(window->run().beepCount(), 1);
    EXPECT_TRUE(sink.stationBeeps().empty());
}

TEST_F(MainWindowTest, RowButtonRecordsTheSubjectAndTheEndEnablesExport)
{
    open();
    window->subjects().setCell(SubjectColumn::Name, 2, "Jugador dos");
    startEffortTestWithoutWarmUp();
    ASSERT_TRUE(window->subjects().isActive(2));
    EXPECT_FALSE(child("BtnExportDatos")->isEnabled());
    click("B02");
    EXPECT_FALSE(window->subjects().isActive(2));
    EXPECT_EQ(window->subjects().cell(SubjectColumn::PeriodsCompleted, 2), "0");
    EXPECT_EQ(window->subjects().cell(SubjectColumn::MaxSpeed, 2), "4,2");
    click("BitBtnStop");
    EXPECT_TRUE(child("BtnExportDatos")->isEnabled());
    EXPECT_TRUE(child("BtnBorrarTabla")->isEnabled());

    click("BtnExportDatos");
    ASSERT_EQ(dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(dialogs.saveRequests.back().initialFolder, (workingDir.path() + QStringLiteral("/Export")).toStdString());
    EXPECT_TRUE(window->results().resultsExported());
}

TEST_F(MainWindowTest, ChoosingAnotherModeAsksAboutResultsNotExported)
{
    open();
    window->subjects().setCell(SubjectColumn::Name, 1, "Jugador uno");
    startEffortTestWithoutWarmUp();
    click("BitBtnStop");
    dialogs.savePath.reset();  // "Yes", then the save dialog is cancelled: the results stay
    click("BitBtnNuevo");
    ASSERT_FALSE(window->subjects().cell(SubjectColumn::PeriodsCompleted, 1).empty());

    dialogs.calls.clear();
    dialogs.yesAnswer = false;
    click("FlatRadioButton2");
    EXPECT_EQ(dialogs.calls, (std::vector<std::string>{"alert", "yesNo"}));
    EXPECT_EQ(dialogs.titles.back(), "Guardar datos");
    EXPECT_TRUE(window->subjects().cell(SubjectColumn::PeriodsCompleted, 1).empty()) << "cleared after No";
}

TEST_F(MainWindowTest, EmpezarAnswersItsMnemonic)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !child("PanelInicio")->isVisible(); }, 1000));
}

TEST_F(MainWindowTest, AyudaOpensTheHelpOverTheWholeWindow)
{
    open();
    click("BitBtnEmpezar");
    click("BitBtnAyuda");
    EXPECT_TRUE(child("ScrollBox1")->isVisible());
    EXPECT_EQ(rectOf("ScrollBox1"), QRect(0, 0, 826, 592));
}

TEST_F(MainWindowTest, DoubleClickOnTheBackgroundAloneTogglesTheTables)
{
    open();
    const auto doubleClickAt = [&](QPoint at) {
        QWidget* target = window->childAt(at);
        QWidget* receiver = target != nullptr ? target : window.get();
        QTest::mouseDClick(receiver, Qt::LeftButton, Qt::NoModifier, receiver->mapFrom(window.get(), at));
    };
    QWidget* tables = child("PanelParametros");
    doubleClickAt({10, 300});
    EXPECT_FALSE(tables->isVisible()) << "the start panel covers the background";

    click("BitBtnEmpezar");
    doubleClickAt({10, 300});
    EXPECT_TRUE(tables->isVisible());
    doubleClickAt({100, 400});
    EXPECT_TRUE(tables->isVisible()) << "a double-click on a panel does nothing";
    doubleClickAt({10, 300});
    EXPECT_FALSE(tables->isVisible());
}

TEST_F(MainWindowTest, CategoryAndSexProposeThePeriodAndItsSpeed)
{
    open();
    click("BitBtnEmpezar");
    click("FlatRadioButton3");
    EXPECT_EQ(child<QComboBox>("ComboBoxCategoria")->currentIndex(), -1) << "no category at start";
    child<QComboBox>("ComboBoxSexo")->setCurrentIndex(1);
    child<QComboBox>("ComboBoxCategoria")->setCurrentIndex(1);
    EXPECT_EQ(child<QSpinBox>("SpinEdit1")->value(), 4);
    EXPECT_EQ(child<QLineEdit>("LabelVelocidad")->text(), QStringLiteral("6,0 Km/h"));
    child<QComboBox>("ComboBoxSexo")->setCurrentIndex(0);
    EXPECT_EQ(child<QSpinBox>("SpinEdit1")->value(), 4);
    child<QComboBox>("ComboBoxCategoria")->setCurrentIndex(2);
    EXPECT_EQ(child<QSpinBox>("SpinEdit1")->value(), 6);
    EXPECT_EQ(child<QLineEdit>("LabelVelocidad")->text(), QStringLiteral("7,2 Km/h"));
    EXPECT_EQ(window->run().currentPeriod(), 6);
}

struct LimitCase {
    SportEdition edition;
    int highest;
};

class PeriodLimits : public MainWindowTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(PeriodLimits, PeriodFieldStopsAtOneAndAtTheTablesLength)
{
    open(GetParam().edition);
    auto* period = child<QSpinBox>("SpinEdit1");
    QTest::keyClick(period, Qt::Key_Down);
    EXPECT_EQ(period->value(), 1);
    QTest::keyClicks(period, QStringLiteral("25"));
    EXPECT_EQ(period->value(), 1) << "typed digits change nothing";
    for (int step = 0; step < 40; ++step) {
        QTest::keyClick(period, Qt::Key_Up);
    }
    EXPECT_EQ(period->value(), GetParam().highest);
}

INSTANTIATE_TEST_SUITE_P(Editions, PeriodLimits,
                         ::testing::Values(LimitCase{SportEdition::Basket, 30}, LimitCase{SportEdition::FutSal, 28},
                                           LimitCase{SportEdition::Voley, 25}));

TEST_F(MainWindowTest, EditOfTheWorkingTablePacesTheNextInterval)
{
    open();
    startEffortTestWithoutWarmUp();

    auto* working = child<QListWidget>("MemoWorkingTable");
    working->setCurrentRow(0);
    working->editItem(working->item(0));
    auto* editor = working->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("1000"));
    working->setCurrentRow(1);
    QCoreApplication::processEvents();

    clocks.now += 1010;
    window->run().stationTick();
    EXPECT_EQ(window->run().beepCount(), 1) << "the first station beep comes after 1000 ms, not 5333";
}

}  // namespace
}  // namespace korvel
