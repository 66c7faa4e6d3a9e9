#pragma once

#include "ErrorBox.h"

#include <QString>

#include <utility>
#include <vector>

namespace korvel {

// While it lives, error boxes are recorded (caption, message) instead of shown.
class ErrorBoxRecorder {
public:
    ErrorBoxRecorder()
    {
        ErrorBox::setPresenter([this](const QString& caption, const QString& message) {
            boxes.emplace_back(caption, message);
        });
    }
    ~ErrorBoxRecorder() { ErrorBox::setPresenter({}); }
    ErrorBoxRecorder(const ErrorBoxRecorder&) = delete;
    ErrorBoxRecorder& operator=(const ErrorBoxRecorder&) = delete;

    std::vector<std::pair<QString, QString>> boxes;
};

}  // namespace korvel
