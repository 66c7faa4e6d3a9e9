#include "ExportFile.h"

#include "ExportDates.h"
#include "SubjectColumn.h"
#include "SubjectsTable.h"
#include "Windows1252.h"

namespace korvel {
namespace {

constexpr std::string_view kSeparator = ";";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderCaptions = ";Fecha;Hora;Periodo Inicial;Velocidad Inicial (Km/h);";

// ";a;b;c;": every field followed by the separator, and one more in front.
template <typename Fields>
std::string fieldLine(const Fields& fields)
{
    std::string line(kSeparator);
    for (const auto& field : fields) {
        line.append(field);
        line.append(kSeparator);
    }
    return line;
}

std::string columnCaptionLine()
{
    // The VO2max column has no caption in the file, in any edition.
    std::vector<std::string_view> captions;
    for (int c = 0; c < kColumnsWithoutVo2Max; ++c) {
        captions.push_back(columnCaption(static_cast<SubjectColumn>(c)));
    }
    return fieldLine(captions);
}

}  // namespace

std::vector<std::string> buildExportLines(const SubjectsTable& table, std::string_view editionTitle,
                                          LocalTime exportedAt, int initialPeriod,
                                          std::string_view initialSpeedText)
{
    std::vector<std::string> lines;
    lines.emplace_back(editionTitle);
    lines.emplace_back(kHeaderCaptions);
    const std::vector<std::string> header{exportDateText(exportedAt), exportTimeText(exportedAt),
                                          std::to_string(initialPeriod), std::string(initialSpeedText)};
    lines.push_back(fieldLine(header));
    lines.push_back(columnCaptionLine());
    for (int r = 1; r <= table.rowCount(); ++r) {
        lines.push_back(fieldLine(table.row(r).cells));
    }
    return lines;
}

std::string exportFileBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines) {
        bytes.append(toWindows1252(line));
        bytes.append(kLineEnd);
    }
    return bytes;
}

}  // namespace korvel
