#include "DrawnPixmap.h"

#include <QPainter>

namespace korvel {

QPixmap drawnPixmap(int size, const std::function<void(QPainter&)>& draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return pixmap;
}

}  // namespace korvel
