#pragma once

#include <QApplication>
#include <QCursor>

namespace korvel {

// Shows the busy mouse pointer for as long as it lives, so the normal pointer comes back also
// when the work in between throws.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

}  // namespace korvel
