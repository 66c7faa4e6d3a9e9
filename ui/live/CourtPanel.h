#pragma once

#include "EditionProfile.h"

#include <QFrame>

#include <vector>

namespace korvel {

class ConeMarker;
class CourtPicture;

// The court diagram of one court kind: its pictures stacked, only the top one seen, and
// above them the cone markers and the rest marker over the start cone.
class CourtPanel : public QFrame {
    Q_OBJECT

public:
    explicit CourtPanel(Court court, QWidget* parent = nullptr);

    int coneCount() const { return static_cast<int>(cones_.size()); }
    const ConeMarker& cone(int index) const { return *cones_.at(static_cast<std::size_t>(index)); }
    const ConeMarker& restMarker() const { return *restMarker_; }
    int pictureCount() const { return static_cast<int>(pictures_.size()); }

    // Picture 1 to pictureCount goes above the others; the markers stay above all.
    void putPictureOnTop(int picture);
    // The picture now seen, 1 to pictureCount.
    int pictureOnTop() const;

    // Every cone hidden but this one (0 is the start cone), lit solid.
    void lightCone(int index);
    // Every cone back to a hollow red ring; which cones are shown does not change.
    void resetCones();
    void setRestMarkerShown(bool shown);

private:
    void raiseMarkers();

    std::vector<CourtPicture*> pictures_;
    std::vector<ConeMarker*> cones_;
    ConeMarker* restMarker_;
};

}  // namespace korvel
