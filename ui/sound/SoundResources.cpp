#include "SoundResources.h"

#include <QFile>

#include <span>

namespace korvel {

std::optional<PcmWave> loadWaveResource(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    return parsePcmWave(std::as_bytes(std::span(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

}  // namespace korvel
