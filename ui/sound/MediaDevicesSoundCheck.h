#pragma once

#include "SoundOutputCheck.h"

namespace korvel {

// Asks Qt Multimedia for the audio outputs each time.
class MediaDevicesSoundCheck : public SoundOutputCheck {
public:
    bool soundAvailable() const override;
};

}  // namespace korvel
