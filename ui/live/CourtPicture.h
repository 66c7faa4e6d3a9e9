#pragma once

#include "EditionProfile.h"

#include <QPixmap>
#include <QWidget>

#include <vector>

namespace korvel {

// What one court picture shows over the court.
enum class CourtPictureRole {
    Circuit,              // the whole circuit as a dotted line, a player standing at the start cone
    RunForwards,          // arrows from cone to cone: 1, 2, 3, ...
    RunBackwards,         // arrows the other way round: 1, N, N - 1, ...
    RestFacingForwards,   // the player resting at the start cone, facing cone 2
    RestFacingBackwards,  // the player resting at the start cone, facing cone N
};

// The pictures of a court panel, picture 1 first. A circuit that is always run forwards
// has no backwards pictures, and its one resting picture faces forwards.
std::vector<CourtPictureRole> courtPictureRoles(Court court);

// One picture of a court panel, filling it. Drawn once, when first shown.
class CourtPicture : public QWidget {
    Q_OBJECT

public:
    CourtPicture(Court court, CourtPictureRole role, QWidget* parent = nullptr);

    CourtPictureRole role() const { return role_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap render() const;

    Court court_;
    CourtPictureRole role_;
    QPixmap cache_;
};

}  // namespace korvel
