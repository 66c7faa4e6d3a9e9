#pragma once

#include <optional>
#include <string>

namespace korvel {

// What the save dialog of the export is opened with. Texts and paths are UTF-8.
struct SaveRequest {
    std::string title;
    std::string filter;         // file-type filter with its pattern, "... (*.txt)"
    std::string defaultSuffix;  // added to a name typed without one
    std::string initialFolder;
    std::string proposedPath;

    friend bool operator==(const SaveRequest&, const SaveRequest&) = default;
};

// The modal dialogs, message boxes and alert sound of the results commands. Every call
// returns when the operator has answered.
class ResultsDialogs {
public:
    virtual ~ResultsDialogs() = default;
    // The system's alert sound, heard before every question and warning.
    virtual void playAlert() = 0;
    // OK and Cancel with an information icon; true for OK.
    virtual bool askOkCancel(const std::string& title, const std::string& text) = 0;
    // Yes and No with an information icon; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
    // A warning icon and an OK button.
    virtual void showWarning(const std::string& title, const std::string& text) = 0;
    // The chosen path, or nothing when the operator cancels. The dialog asks before an
    // existing file is replaced.
    virtual std::optional<std::string> askSavePath(const SaveRequest& request) = 0;
};

}  // namespace korvel
