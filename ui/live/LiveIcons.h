#pragma once

#include <QIcon>

namespace korvel {

// The running and resting marks' icons, drawn by us. They keep their colours when their
// (always disabled) buttons show them.
QIcon runningMarkIcon();  // a runner, in the effort red
QIcon restingMarkIcon();  // a stopwatch, in the recovery green

}  // namespace korvel
