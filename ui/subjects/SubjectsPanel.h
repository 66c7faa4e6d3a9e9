#pragma once

#include "EditionProfile.h"
#include "ResultsCommands.h"

#include <QFrame>

#include <vector>

class QAction;
class QMenu;

namespace korvel {

class FlatButton;
class SubjectsGrid;
class SubjectsTable;
class SubjectsTableModel;
class TestRun;

// PanelDeportistas: the "Deportistas" title bar with the export and clear buttons, the
// subjects grid, the row stop buttons beside it and the grid's popup menu. The commands
// themselves belong to the main window, which connects to the signals.
class SubjectsPanel : public QFrame {
    Q_OBJECT

public:
    // The run is read when the popup opens, to know whether a test is running. The table must
    // outlive the panel: a cell edit in progress is committed to it as the panel goes.
    SubjectsPanel(const EditionProfile& profile, SubjectsTable& table, const TestRun& run, QWidget* parent = nullptr);
    ~SubjectsPanel() override;

    SubjectsGrid& grid() { return *grid_; }
    void showResultsButtons(ResultsButtons buttons);

signals:
    // Any cell edit in progress has been committed before this is sent.
    void exportRequested();
    void clearRequested();
    // A row's stop button (table row number, 1 onwards).
    void rowButtonPressed(int row);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void showStopButton(int row);
    void preparePopup();
    void reactivateSelectedRow();

    SubjectsTable& table_;
    const TestRun& run_;
    SubjectsTableModel* model_;
    SubjectsGrid* grid_;
    QWidget* titleBar_;
    FlatButton* exportButton_;
    FlatButton* clearButton_;
    std::vector<FlatButton*> rowButtons_;
    QMenu* popup_;
    QAction* reactivate_;
};

}  // namespace korvel
