#pragma once

#include "EditionProfile.h"
#include "MainWindowServices.h"
#include "QtRunTicks.h"
#include "SportEdition.h"
#include "SubjectsTable.h"

#include <QDialog>

#include <array>
#include <memory>

namespace korvel {

class CommandBar;
class ConfigurationPanel;
class CourtPanel;
class HelpPanel;
class LiveDisplay;
class PeriodTablesPanel;
class ResultsCommands;
class StartPanel;
class SubjectsPanel;
class TestRun;
class WindowRunView;

// The main window (unit TestFut1): the command bar, the configuration panel or the live
// counters above the subjects table, and the court diagram, dressed for the edition. It owns
// the run and the results and holds no test logic of its own.
class TForm1 : public QDialog {
    Q_OBJECT

public:
    TForm1(SportEdition edition, MainWindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    TestRun& run() { return *run_; }
    SubjectsTable& subjects() { return table_; }
    ResultsCommands& results() { return *results_; }
    const QtRunTicks& ticks() const { return ticks_; }
    // Where the "Export" folder is looked for; ends with a path separator.
    const QString& baseDirectory() const { return baseDirectory_; }

public slots:
    // Every close request (close box, Alt+F4) ends here: it asks before ending the program.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void buildPanels();
    void buildRun();
    void connectCommands();
    void layOut();

    void BitBtnEmpezarClick();
    void AcercadeClick();
    void BitBtnSalirClick();
    void BitBtnNuevoClick();
    void BitBtnStartClick();
    void BitBtnStopClick();
    void BitBtnAyudaClick();
    void FormDblClick();
    bool confirmExit();
    void endProgram();

    MainWindowServices services_;
    const EditionProfile profile_;
    QString baseDirectory_;
    bool activatedOnce_ = false;
    SubjectsTable table_;

    CommandBar* commands_ = nullptr;
    QWidget* panelDuracion_ = nullptr;
    QWidget* panelVelocidad_ = nullptr;
    ConfigurationPanel* configuration_ = nullptr;
    SubjectsPanel* subjectsPanel_ = nullptr;
    std::array<CourtPanel*, 4> courts_{};
    CourtPanel* court_ = nullptr;
    StartPanel* startPanel_ = nullptr;
    PeriodTablesPanel* parametros_ = nullptr;
    HelpPanel* help_ = nullptr;

    std::unique_ptr<LiveDisplay> live_;
    std::unique_ptr<WindowRunView> view_;
    std::unique_ptr<ResultsCommands> results_;
    QtRunTicks ticks_;
    std::unique_ptr<TestRun> run_;
};

}  // namespace korvel
