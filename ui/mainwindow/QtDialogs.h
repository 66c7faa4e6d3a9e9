#pragma once

#include "ResultsDialogs.h"

#include <QPointer>
#include <QWidget>

namespace korvel {

// The program's message boxes, save dialog and alert sound on Qt. Each box is modal over the
// window given, so that it stays in front of a window that stays on top.
class QtDialogs : public ResultsDialogs {
public:
    void setParentWindow(QWidget* window) { window_ = window; }

    void playAlert() override;
    bool askOkCancel(const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    void showWarning(const std::string& title, const std::string& text) override;
    std::optional<std::string> askSavePath(const SaveRequest& request) override;

private:
    QPointer<QWidget> window_;
};

}  // namespace korvel
