#pragma once

#include <QColor>

namespace korvel {

// The classic named colours the windows were designed with.
inline const QColor kSilver(192, 192, 192);
inline const QColor kGrey(128, 128, 128);
inline const QColor kNavy(0, 0, 128);
inline const QColor kGreen(0, 128, 0);

}  // namespace korvel
