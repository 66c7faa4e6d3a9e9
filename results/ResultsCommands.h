#pragma once

#include "RunSubjects.h"

#include <functional>
#include <string>

namespace korvel {

class ExportWriter;
class ResultsDialogs;
class SubjectsTable;
class WallClock;

// What the export takes from the rest of the program, read when an export runs.
struct ExportContext {
    std::string editionTitle;
    std::function<std::string()> baseDirectory;      // the "Export" folder lies inside it
    std::function<int()> initialPeriod;              // the configuration panel's period value
    std::function<std::string()> initialSpeedText;   // the speed label captured at the last start
};

// Everything the commands talk to; all must outlive them.
struct ResultsPorts {
    SubjectsTable& table;
    ResultsDialogs& dialogs;
    ExportWriter& writer;
    WallClock& wallClock;
};

// Whether the export and clear-table buttons can be pressed.
struct ResultsButtons {
    bool exportAvailable = false;
    bool clearAvailable = false;

    friend bool operator==(const ResultsButtons&, const ResultsButtons&) = default;
};

// The commands on the table as a whole (export, clear, the question about results not yet
// exported) and the table's side of a test run.
class ResultsCommands : public RunSubjects {
public:
    ResultsCommands(ExportContext context, ResultsPorts ports);

    // Writes the whole table to a file the operator chooses. Does nothing without a named row.
    void exportResults();
    // Empties the whole table once the operator confirms.
    void clearTable();

    // RunSubjects.
    void activateNamedRows() override;
    void testStarted() override;
    void testStopped(const RunReading& reading) override;
    // Offers to export results not yet exported, then empties the result cells for the next
    // test unless the offered export was cancelled or failed.
    void confirmUnsavedResults() override;

    bool resultsExported() const { return resultsExported_; }
    ResultsButtons buttons() const { return buttons_; }
    // Called after every change of the buttons' availability.
    void onButtonsChanged(std::function<void(ResultsButtons)> listener) { buttonsListener_ = std::move(listener); }

private:
    void setButtons(ResultsButtons buttons);

    ExportContext context_;
    ResultsPorts ports_;
    bool resultsExported_ = false;
    ResultsButtons buttons_;
    std::function<void(ResultsButtons)> buttonsListener_;
};

}  // namespace korvel
