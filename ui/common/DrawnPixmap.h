#pragma once

#include <QPixmap>

#include <functional>

class QPainter;

namespace korvel {

// A square transparent picture drawn by `draw` with antialiasing: how our small icons are made.
QPixmap drawnPixmap(int size, const std::function<void(QPainter&)>& draw);

}  // namespace korvel
