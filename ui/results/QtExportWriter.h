#pragma once

#include "ExportWriter.h"

namespace korvel {

// Writes the export through QSaveFile: the bytes go to a temporary file beside the target,
// which replaces the target only once everything is on disk. A failure at any step leaves
// an earlier file as it was and no partial file behind.
class QtExportWriter final : public ExportWriter {
public:
    bool write(const std::string& path, std::string_view bytes) override;
};

}  // namespace korvel
