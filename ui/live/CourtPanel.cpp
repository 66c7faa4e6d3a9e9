#include "CourtPanel.h"

#include "ConeLayout.h"
#include "ConeMarker.h"
#include "CourtPicture.h"
#include "StoredColors.h"

namespace korvel {
namespace {

constexpr StoredColor kLitCone = 65535;  // yellow
constexpr StoredColor kResetCone = 255;  // red
const QColor kConeOutline(255, 0, 0);
const QColor kRestMarker(192, 192, 192);

}  // namespace

CourtPanel::CourtPanel(Court court, QWidget* parent) : QFrame(parent)
{
    setObjectName(courtPanelName(court));
    setFixedSize(kCourtPanelSize);

    const QString stem = courtPictureStem(court);
    const std::vector<CourtPictureRole> roles = courtPictureRoles(court);
    for (std::size_t i = 0; i < roles.size(); ++i) {
        auto* picture = new CourtPicture(court, roles[i], this);
        picture->setObjectName(stem + QString::number(i + 1));
        picture->setGeometry(rect());
        pictures_.push_back(picture);
    }

    // Until the first reset the futsal court shows its whole layout of cones.
    const bool conesShown = court == Court::FutSal;
    for (int i = 0; i < korvel::coneCount(court); ++i) {
        auto* cone = new ConeMarker(kConeOutline, toQColor(kResetCone), this);
        cone->setObjectName(QStringLiteral("Cone%1").arg(i + 1));
        cone->setGeometry(coneRect(court, i));
        cone->setFill(toQColor(kResetCone), false);
        cone->setVisible(conesShown);
        cones_.push_back(cone);
    }

    restMarker_ = new ConeMarker(Qt::black, kRestMarker, this);
    restMarker_->setObjectName(restMarkerName(court));
    restMarker_->setGeometry(coneRect(court, 0));

    putPictureOnTop(1);
}

void CourtPanel::putPictureOnTop(int picture)
{
    // Sending the others back in turn and this one last leaves it above them all.
    for (std::size_t i = 0; i < pictures_.size(); ++i) {
        if (static_cast<int>(i) + 1 != picture) {
            pictures_[i]->lower();
        }
    }
    if (picture >= 1 && picture <= pictureCount()) {
        pictures_[static_cast<std::size_t>(picture - 1)]->raise();
    }
    raiseMarkers();
}

int CourtPanel::pictureOnTop() const
{
    // Children are listed from the bottom of the stack to the top.
    int top = 0;
    for (const QObject* child : children()) {
        for (std::size_t i = 0; i < pictures_.size(); ++i) {
            if (child == pictures_[i]) {
                top = static_cast<int>(i) + 1;
            }
        }
    }
    return top;
}

void CourtPanel::lightCone(int index)
{
    for (ConeMarker* cone : cones_) {
        cone->hide();
    }
    if (index < 0 || index >= coneCount()) {
        return;
    }
    ConeMarker* lit = cones_[static_cast<std::size_t>(index)];
    lit->setFill(toQColor(kLitCone), true);
    lit->show();
}

void CourtPanel::resetCones()
{
    for (ConeMarker* cone : cones_) {
        cone->setFill(toQColor(kResetCone), false);
    }
}

void CourtPanel::setRestMarkerShown(bool shown)
{
    restMarker_->setVisible(shown);
}

void CourtPanel::raiseMarkers()
{
    for (ConeMarker* cone : cones_) {
        cone->raise();
    }
    restMarker_->raise();
}

}  // namespace korvel
