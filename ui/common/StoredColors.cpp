#include "StoredColors.h"

namespace korvel {

QColor toQColor(StoredColor color)
{
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

}  // namespace korvel
