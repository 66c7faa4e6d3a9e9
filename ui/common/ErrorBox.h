#pragma once

#include <QString>

#include <functional>

namespace korvel {

// The standard error box for an error caught in an event handler or in a window's set-up:
// captioned with the application's title, one "OK" button, and the program goes on.
class ErrorBox {
public:
    using Presenter = std::function<void(const QString& caption, const QString& message)>;

    static void show(const QString& message);

    // Tests record the box instead of showing it; an empty presenter brings the real box back.
    static void setPresenter(Presenter presenter);

private:
    static Presenter& presenter();
};

}  // namespace korvel
