#pragma once

#include "PcmWave.h"

#include <QString>

#include <optional>

namespace korvel {

inline const QString kStationBeepResource = QStringLiteral(":/sounds/sonido.wav");
inline const QString kAlertResource = QStringLiteral(":/sounds/alerta.wav");

// One of the program's sounds; empty if the resource is missing or not 8-bit mono PCM.
std::optional<PcmWave> loadWaveResource(const QString& path);

}  // namespace korvel
