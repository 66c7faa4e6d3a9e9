#include "ExportFileName.h"

#include "ExportDates.h"

namespace korvel {
namespace {

constexpr std::string_view kExportFolderName = "Export";

std::string joinPath(std::string_view folder, std::string_view name)
{
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path.push_back('/');
    }
    path.append(name);
    return path;
}

}  // namespace

std::string exportFolder(std::string_view baseDirectory)
{
    return joinPath(baseDirectory, kExportFolderName);
}

std::string exportFileName(std::string_view baseDirectory, std::string_view editionTitle, LocalTime date)
{
    return joinPath(exportFolder(baseDirectory), std::string(editionTitle) + "_" + exportFileDateText(date) + ".txt");
}

}  // namespace korvel
