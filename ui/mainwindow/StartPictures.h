#pragma once

#include "EditionProfile.h"

#include <QImage>

namespace korvel {

// The start panel's pictures, drawn at their natural sizes.
QImage drawStartPicture(StartPicture picture);

QImage drawConePicture();    // 904 × 599: legs running past a cone on an indoor court, grey but the cone
QImage drawPitchPicture();   // 376 × 268: a football pitch in perspective under a band of green squares
QImage drawFutsalPicture();  // 376 × 268: two futsal players in a tackle on a blue court

// Gives a drawing the fine grain and darkened corners of a photograph.
void finishAsPhotograph(QImage& image, int grainStrength, double vignette);

}  // namespace korvel
