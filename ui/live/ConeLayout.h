#pragma once

#include "EditionProfile.h"

#include <QRect>
#include <QString>

namespace korvel {

// Where each court panel puts its cone markers. Cone 0 is the start cone; the positions
// belong to our court pictures, which are drawn from this same table.
int coneCount(Court court);
QRect coneRect(Court court, int cone);

// The court panels' size.
constexpr QSize kCourtPanelSize{332, 489};

// Object names on each court panel: "Panel_Basket", "ImageBasket", "ShapeDescansoB", ...
QString courtPanelName(Court court);
QString courtPictureStem(Court court);
QString restMarkerName(Court court);

}  // namespace korvel
