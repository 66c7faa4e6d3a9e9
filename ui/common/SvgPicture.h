#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace korvel {

// Renders a picture kept as SVG in the resources at the given size (transparent background).
QPixmap svgPixmap(const QString& resource, QSize size);
QIcon svgIcon(const QString& resource, QSize size);

}  // namespace korvel
