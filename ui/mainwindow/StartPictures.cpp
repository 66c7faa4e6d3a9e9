#include "StartPictures.h"

#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace korvel {

QImage drawStartPicture(StartPicture picture)
{
    switch (picture) {
    case StartPicture::Football:
        return drawPitchPicture();
    case StartPicture::Futsal:
        return drawFutsalPicture();
    case StartPicture::Cone:
        break;
    }
    return drawConePicture();
}

void finishAsPhotograph(QImage& image, int grainStrength, double vignette)
{
    // A fixed seed: the same picture every time.
    QRandomGenerator grain(2015);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = grain.bounded(-grainStrength, grainStrength + 1);
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + noise, 0, 255), std::clamp(qGreen(p) + noise, 0, 255),
                           std::clamp(qBlue(p) + noise, 0, 255));
        }
    }
    QPainter painter(&image);
    const QPointF centre(image.width() / 2.0, image.height() / 2.0);
    QRadialGradient shade(centre, std::hypot(centre.x(), centre.y()));
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * vignette)));
    painter.fillRect(image.rect(), shade);
}

}  // namespace korvel
