#include "ResultsCommands.h"

#include "ExportFile.h"
#include "ExportFileName.h"
#include "ExportWriter.h"
#include "ResultRecording.h"
#include "ResultsDialogs.h"
#include "SubjectsTable.h"
#include "WallClock.h"

namespace korvel {
namespace {

constexpr const char* kSaveTitle = "Exportación de Registros de PRAXIMO...";
constexpr const char* kSaveFilter = "Archivo de exportación de Registros (*.txt)";
constexpr const char* kSaveSuffix = "txt";
constexpr const char* kFailureTitle = "Información";
constexpr const char* kFailureText = "No se ha podido exportar el archivo de Registros de ";
constexpr const char* kClearTitle = "Borrar datos";
constexpr const char* kClearQuestion =
    "¿Realmente desea borrar todos los datos que actualmente se encuentran en la Tabla de resultados de los "
    "deportistas?";
constexpr const char* kUnsavedTitle = "Guardar datos";
constexpr const char* kUnsavedQuestion =
    "Los registros de la anterior prueba de esfuerzo aún no han sido exportados ¿Desea guardarlos ahora?";

}  // namespace

ResultsCommands::ResultsCommands(ExportContext context, ResultsPorts ports)
    : context_(std::move(context)), ports_(ports)
{
}

void ResultsCommands::exportResults()
{
    SubjectsTable& table = ports_.table;
    if (!table.hasNamedRow()) {
        return;
    }
    setButtons({.exportAvailable = true, .clearAvailable = buttons_.clearAvailable});

    // Stepping the selection through the rows ends any cell edit in progress, so that what
    // the operator has just typed is exported too.
    const int selectedRow = table.currentRow();
    for (int r = 1; r <= table.rowCount(); ++r) {
        table.selectRow(r);
    }
    table.selectRow(selectedRow);

    const LocalTime now = ports_.wallClock.localNow();
    const std::string bytes = exportFileBytes(
        buildExportLines(table, context_.editionTitle, now, context_.initialPeriod(), context_.initialSpeedText()));

    const std::string baseDirectory = context_.baseDirectory();
    const std::optional<std::string> path = ports_.dialogs.askSavePath(
        {.title = kSaveTitle,
         .filter = kSaveFilter,
         .defaultSuffix = kSaveSuffix,
         .initialFolder = exportFolder(baseDirectory),
         .proposedPath = exportFileName(baseDirectory, context_.editionTitle, now)});
    if (!path) {
        return;
    }
    if (ports_.writer.write(*path, bytes)) {
        resultsExported_ = true;
        return;
    }
    ports_.dialogs.playAlert();
    ports_.dialogs.showWarning(kFailureTitle, kFailureText + context_.editionTitle + ".");
}

void ResultsCommands::clearTable()
{
    ports_.dialogs.playAlert();
    if (ports_.dialogs.askOkCancel(kClearTitle, kClearQuestion)) {
        ports_.table.clearAll();
    }
}

void ResultsCommands::activateNamedRows()
{
    ports_.table.activateNamedRows();
}

void ResultsCommands::testStarted()
{
    ports_.table.setInputMode(TableInputMode::RowSelect);
    setButtons({.exportAvailable = false, .clearAvailable = false});
}

void ResultsCommands::testStopped(const RunReading& reading)
{
    if (ports_.table.hasNamedRow()) {
        setButtons({.exportAvailable = true, .clearAvailable = true});
    }
    recordAllActive(ports_.table, reading);
}

void ResultsCommands::confirmUnsavedResults()
{
    // Every row counts: results below the third row would otherwise be lost to the next test
    // without ever being offered for export.
    if (!resultsExported_ && ports_.table.hasRecordedResult()) {
        ports_.dialogs.playAlert();
        if (ports_.dialogs.askYesNo(kUnsavedTitle, kUnsavedQuestion)) {
            exportResults();
        } else {
            ports_.table.clearResults();
        }
    }
    if (resultsExported_) {
        ports_.table.clearResults();
    }
    resultsExported_ = false;
}

void ResultsCommands::setButtons(ResultsButtons buttons)
{
    if (buttons == buttons_) {
        return;
    }
    buttons_ = buttons;
    if (buttonsListener_) {
        buttonsListener_(buttons_);
    }
}

}  // namespace korvel
