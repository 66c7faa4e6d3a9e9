#include "QtExportWriter.h"

#include <QSaveFile>
#include <QString>

namespace korvel {

bool QtExportWriter::write(const std::string& path, std::string_view bytes)
{
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        return false;  // the destructor discards the temporary file
    }
    return file.commit();
}

}  // namespace korvel
