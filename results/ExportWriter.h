#pragma once

#include <string>
#include <string_view>

namespace korvel {

// Puts the export's bytes into a file, creating it or replacing its contents.
class ExportWriter {
public:
    virtual ~ExportWriter() = default;
    // True when the file holds exactly these bytes. On failure a file that was there before
    // keeps its contents and no partial file is left.
    virtual bool write(const std::string& path, std::string_view bytes) = 0;
};

}  // namespace korvel
