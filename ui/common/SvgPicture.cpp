#include "SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace korvel {

QPixmap svgPixmap(const QString& resource, QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon svgIcon(const QString& resource, QSize size)
{
    return QIcon(svgPixmap(resource, size));
}

}  // namespace korvel
