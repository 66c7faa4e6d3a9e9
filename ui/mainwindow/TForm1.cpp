#include "TForm1.h"

#include "ApplicationTitle.h"
#include "CommandBar.h"
#include "ConfigurationPanel.h"
#include "CourtPanel.h"
#include "FlatButton.h"
#include "HelpPanel.h"
#include "LiveDisplay.h"
#include "MainWindowLayout.h"
#include "PaintBackground.h"
#include "PeriodTablesPanel.h"
#include "ProgressGauge.h"
#include "ResultsCommands.h"
#include "ResultRecording.h"
#include "ResultsDialogs.h"
#include "SoundOutputCheck.h"
#include "StartPanel.h"
#include "StoredColors.h"
#include "SubjectsPanel.h"
#include "TestRun.h"
#include "WindowRunView.h"

#include <QDir>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

namespace korvel {
namespace {

constexpr QSize kClientSize(826, 592);
const QString kExportFolder = QStringLiteral("Export");

QString withSeparator(QString directory)
{
    if (!directory.endsWith(QLatin1Char('/'))) {
        directory += QLatin1Char('/');
    }
    return directory;
}

// The export proposes its files in this folder; a failure shows only when an export is written.
void makeExportFolder(const QString& baseDirectory)
{
    QDir base(baseDirectory);
    if (!base.exists(kExportFolder) || !QFileInfo(base.filePath(kExportFolder)).isDir()) {
        base.mkdir(kExportFolder);
    }
}

QWidget* makePanel(QWidget* window, const char* name, StoredColor color)
{
    auto* panel = new QFrame(window);
    panel->setObjectName(QLatin1String(name));
    paintBackground(*panel, toQColor(color));
    return panel;
}

}  // namespace

TForm1::TForm1(SportEdition edition, MainWindowServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , services_(std::move(services))
    , profile_(profileFor(edition))
    , table_(SubjectsTable::forEdition(profile_))
    , ticks_([this] { run_->stationTick(); }, [this] { run_->recoveryTick(); }, [this] { run_->chronoTick(); })
{
    FormCreate();
}

TForm1::~TForm1()
{
    // The subjects panel commits a name still being typed as it goes, into the table: it must
    // go while the table, a member, still exists, not with the other children afterwards.
    delete subjectsPanel_;
}

void TForm1::FormCreate()
{
    baseDirectory_ = withSeparator(services_.applicationDirectory);
    makeExportFolder(baseDirectory_);

    setObjectName(QStringLiteral("Form1"));
    setFixedSize(kClientSize);
    setWindowIcon(QIcon(QStringLiteral(":/icons/korvel.svg")));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    buildPanels();
    buildRun();

    const QString title = QString::fromStdString(profile_.editionTitle);
    ApplicationTitle::set(title);
    setWindowTitle(title + QStringLiteral(": OSKABEL en ") + QString::fromStdString(profile_.sportName));
    configuration_->setPeriodMaximum(run_->workingTable().entryCount());
    paintBackground(*this, toQColor(profile_.backColor));

    configuration_->raise();
    startPanel_->raise();
    layOut();
    connectCommands();
}

void TForm1::buildPanels()
{
    commands_ = new CommandBar(profile_, this);
    panelDuracion_ = makePanel(this, "PanelDuracion", profile_.panelColor);
    panelVelocidad_ = makePanel(this, "PanelVelocidad", profile_.panelColor);
    configuration_ = new ConfigurationPanel(profile_, this);

    const std::array<Court, 4> courts{Court::Football, Court::Basket, Court::FutSal, Court::Voley};
    for (std::size_t i = 0; i < courts.size(); ++i) {
        courts_[i] = new CourtPanel(courts[i], this);
        courts_[i]->setVisible(courts[i] == profile_.court);
        if (courts[i] == profile_.court) {
            court_ = courts_[i];
        }
    }
    court_->raise();

    startPanel_ = new StartPanel(profile_, this);
    help_ = new HelpPanel(profile_.edition, this);
    help_->hide();
}

void TForm1::buildRun()
{
    // The panels built so far take their places first: the live display lays itself out
    // inside them.
    layOut();
    live_ = std::make_unique<LiveDisplay>(profile_, LivePanels{.duration = panelDuracion_,
                                                               .speed = panelVelocidad_,
                                                               .window = this,
                                                               .speedBox = configuration_->speedBox(),
                                                               .court = court_});
    view_ = std::make_unique<WindowRunView>(*live_, *commands_, *configuration_);
    results_ = std::make_unique<ResultsCommands>(
        ExportContext{.editionTitle = profile_.editionTitle,
                      .baseDirectory = [this] { return baseDirectory_.toStdString(); },
                      .initialPeriod = [this] { return configuration_->initialPeriod(); },
                      .initialSpeedText = [this] { return run_->initialSpeedText(); }},
        ResultsPorts{.table = table_, .dialogs = services_.dialogs, .writer = services_.writer,
                     .wallClock = services_.wallClock});
    run_ = std::make_unique<TestRun>(profile_, RunPorts{.clock = services_.clock,
                                                        .wallClock = services_.wallClock,
                                                        .sound = services_.sound,
                                                        .view = *view_,
                                                        .ticks = ticks_,
                                                        .configuration = *configuration_,
                                                        .subjects = *results_});

    subjectsPanel_ = new SubjectsPanel(profile_, table_, *run_, this);
    subjectsPanel_->showResultsButtons(results_->buttons());
    results_->onButtonsChanged([this](ResultsButtons buttons) { subjectsPanel_->showResultsButtons(buttons); });
    parametros_ = new PeriodTablesPanel(run_->workingTable(), this);
    parametros_->hide();
}

void TForm1::layOut()
{
    const MainWindowLayout layout = layOutMainWindow(size());
    for (std::size_t i = 0; i < layout.commandButtons.size(); ++i) {
        commands_->button(static_cast<CommandBar::Command>(i))->setGeometry(layout.commandButtons[i]);
    }
    for (CourtPanel* court : courts_) {
        court->setGeometry(layout.courtPanel);
    }
    panelDuracion_->setGeometry(layout.panelDuracion);
    panelVelocidad_->setGeometry(layout.panelVelocidad);
    configuration_->setGeometry(layout.panelTipo);
    startPanel_->setGeometry(rect());
    if (subjectsPanel_ != nullptr) {
        subjectsPanel_->setGeometry(layout.panelDeportistas);
        parametros_->setGeometry(layout.panelParametros);
    }
}

void TForm1::connectCommands()
{
    const auto onClick = [this](CommandBar::Command command, void (TForm1::*handler)()) {
        connect(commands_->button(command), &QAbstractButton::clicked, this, handler);
    };
    onClick(CommandBar::Command::Salir, &TForm1::BitBtnSalirClick);
    onClick(CommandBar::Command::Nuevo, &TForm1::BitBtnNuevoClick);
    onClick(CommandBar::Command::Start, &TForm1::BitBtnStartClick);
    onClick(CommandBar::Command::Stop, &TForm1::BitBtnStopClick);
    onClick(CommandBar::Command::Ayuda, &TForm1::BitBtnAyudaClick);
    onClick(CommandBar::Command::Grupo, &TForm1::AcercadeClick);
    connect(startPanel_, &StartPanel::startRequested, this, &TForm1::BitBtnEmpezarClick);
    connect(startPanel_, &StartPanel::aboutRequested, this, &TForm1::AcercadeClick);
    connect(configuration_, &ConfigurationPanel::newTestRequested, this, &TForm1::BitBtnNuevoClick);
    connect(configuration_, &ConfigurationPanel::periodPreviewed, this,
            [this](int period) { run_->previewPeriod(period); });
    connect(subjectsPanel_, &SubjectsPanel::exportRequested, this, [this] { results_->exportResults(); });
    connect(subjectsPanel_, &SubjectsPanel::clearRequested, this, [this] { results_->clearTable(); });
    connect(subjectsPanel_, &SubjectsPanel::rowButtonPressed, this,
            [this](int row) { recordResult(table_, row, run_->reading()); });
    connect(parametros_, &PeriodTablesPanel::workingTableEdited, this,
            [this](const std::vector<std::string>& lines) { run_->workingTable().setLines(lines); });
}

void TForm1::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!activatedOnce_) {
        activatedOnce_ = true;
        if (const QScreen* shown = screen()) {
            move(shown->availableGeometry().center() - rect().center());
        }
        // Once the window is on screen, so that a message of the check stands over it.
        QTimer::singleShot(0, this, &TForm1::FormActivate);
    }
}

void TForm1::FormActivate()
{
    baseDirectory_ = withSeparator(QDir::currentPath());
    // The export proposes this folder; without it the proposed file could not be written.
    makeExportFolder(baseDirectory_);

    const bool soundAvailable = services_.soundCheck.soundAvailable();
    if (!soundAvailable) {
        services_.dialogs.playAlert();
        services_.dialogs.showWarning(ApplicationTitle::text().toStdString(), kNoSoundCardMessage);
    }
    run_->setSoundAvailable(soundAvailable);

    ticks_.switchTicks({.station = false, .recovery = false, .chrono = ticks_.running().chrono});
    live_->gauge().setPosition(0);
}

void TForm1::BitBtnEmpezarClick()
{
    startPanel_->hide();
}

void TForm1::AcercadeClick()
{
    services_.openAbout(this);
    // Coming back from the about window is an activation.
    FormActivate();
}

void TForm1::BitBtnSalirClick()
{
    if (confirmExit()) {
        endProgram();
    }
}

void TForm1::reject()
{
    if (confirmExit()) {
        endProgram();
    }
}

bool TForm1::confirmExit()
{
    const std::string& title = profile_.editionTitle;
    services_.dialogs.playAlert();
    return services_.dialogs.askOkCancel("Salir de " + title, "Esto finaliza su sesión con " + title + ".");
}

void TForm1::endProgram()
{
    // Nothing may sound once the operator has chosen to leave, not even a running test.
    ticks_.switchTicks({});
    done(QDialog::Accepted);
}

void TForm1::BitBtnNuevoClick()
{
    run_->newTest();
}

void TForm1::BitBtnStartClick()
{
    run_->start();
}

void TForm1::BitBtnStopClick()
{
    run_->stop();
}

void TForm1::BitBtnAyudaClick()
{
    help_->open();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    // A dialog would close on Esc without a word; this window closes only through the question.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm1::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Double-clicks that the panels do not take come here too; only the bare background counts.
    if (childAt(event->position().toPoint()) == nullptr) {
        FormDblClick();
    }
    QDialog::mouseDoubleClickEvent(event);
}

void TForm1::FormDblClick()
{
    parametros_->setVisible(!parametros_->isVisible());
    parametros_->raise();
}

}  // namespace korvel
