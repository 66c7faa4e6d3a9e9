#include "MediaDevicesSoundCheck.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace korvel {

bool MediaDevicesSoundCheck::soundAvailable() const
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

}  // namespace korvel
