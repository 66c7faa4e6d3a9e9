#pragma once

#include "DesktopOpener.h"

#include <QApplication>
#include <QCursor>
#include <QList>
#include <QUrl>

#include <optional>
#include <stdexcept>

namespace korvel {

// Records the addresses it is asked to open, and the mouse pointer shown at that moment,
// instead of starting a browser. It can be told to fail, by answering false or by throwing.
class RecordingDesktopOpener : public DesktopOpener {
public:
    enum class Outcome { Opens, Refuses, Throws };

    bool open(const QUrl& address) override
    {
        opened.append(address);
        const QCursor* pointer = QApplication::overrideCursor();
        pointerWhileOpening = pointer != nullptr ? std::optional(pointer->shape()) : std::nullopt;
        if (outcome == Outcome::Throws) {
            throw std::runtime_error("no hay navegador");
        }
        return outcome == Outcome::Opens;
    }

    Outcome outcome = Outcome::Opens;
    QList<QUrl> opened;
    std::optional<Qt::CursorShape> pointerWhileOpening;
};

}  // namespace korvel
