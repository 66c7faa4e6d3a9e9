#include "EditionProfile.h"
#include "ExportDates.h"
#include "ExportFile.h"
#include "ExportFileName.h"
#include "support/ResultsFakes.h"
#include "SubjectsTable.h"
#include "support/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace korvel {
namespace {

using Column = SubjectColumn;
using testing::localTime;

void fillRow(SubjectsTable& table, int row, const std::vector<std::string>& cells)
{
    for (std::size_t c = 0; c < cells.size(); ++c) {
        table.setCell(static_cast<Column>(c), row, cells[c]);
    }
}

TEST(ExportFile, ExampleMatchesTheExpectedFileByteForByte)
{
    SubjectsTable table(12, true);
    fillRow(table, 1, {"1", "Jugador uno", "A1", "16:23", "5", "1520", "7,2", "22,355"});
    fillRow(table, 2, {"2", "Jugador dos", "A2", "24:01", "8", "2464", "9,0", "34,627"});

    const std::vector<std::string> lines =
        buildExportLines(table, "KORVEL-Basket 2.0", localTime(2015, 3, 14, 18, 30), 1, "4,2");

    EXPECT_EQ(exportFileBytes(lines), testing::testDataBytes("export_example.txt"));
}

struct EmptyLineCase {
    SportEdition edition;
    std::size_t semicolons;
};

class EmptyRowLines : public ::testing::TestWithParam<EmptyLineCase> {};

TEST_P(EmptyRowLines, OneLinePerRowWithOneFieldPerColumn)
{
    const EditionProfile& profile = profileFor(GetParam().edition);
    SubjectsTable table = SubjectsTable::forEdition(profile);
    table.setCell(Column::Name, 1, "Ana");
    const std::vector<std::string> lines =
        buildExportLines(table, profile.editionTitle, localTime(2015, 3, 14, 18, 30), 3, "5,4");

    ASSERT_EQ(lines.size(), 4u + static_cast<std::size_t>(profile.stationsPerLap));
    EXPECT_EQ(lines[0], profile.editionTitle);
    // The caption line is the same in every edition, without a VO2max caption.
    EXPECT_EQ(lines[3], ";Nº;Sujeto;Cod.;Tiempo (mm:ss);Periodos complet.;Distancia (m);Vel. Máx. (Km/h);");
    EXPECT_EQ(lines[4], ";;Ana" + std::string(GetParam().semicolons - 2, ';'));
    for (std::size_t i = 5; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i], std::string(GetParam().semicolons, ';')) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, EmptyRowLines,
    ::testing::Values(EmptyLineCase{SportEdition::Basket, 9}, EmptyLineCase{SportEdition::Voley, 8},
                      EmptyLineCase{SportEdition::Futbol, 8}, EmptyLineCase{SportEdition::Probst, 8},
                      EmptyLineCase{SportEdition::FutSal, 8}));

TEST(ExportFile, TypedTextCannotShiftTheFields)
{
    SubjectsTable table(12, true);
    table.setCell(Column::Name, 1, "Ana;Gil");
    table.setCell(Column::Code, 1, "A;1");
    const std::vector<std::string> lines =
        buildExportLines(table, "KORVEL-Basket 2.0", localTime(2015, 3, 14, 18, 30), 1, "4,2");
    EXPECT_EQ(lines[4], ";;AnaGil;A1;;;;;;");
}

TEST(ExportFile, WindowsBytesWithCrLfAndNoByteOrderMark)
{
    EXPECT_EQ(exportFileBytes({"KORVEL-Fútbol 2.0", ";Pepe €;Nº;Máx;"}),
              "KORVEL-F\xFAtbol 2.0\r\n;Pepe \x80;N\xBA;M\xE1x;\r\n");
    EXPECT_EQ(exportFileBytes({}), "");
}

TEST(ExportFile, HeaderTakesTheTestsFacts)
{
    const SubjectsTable table(12, true);
    const std::vector<std::string> lines =
        buildExportLines(table, "KORVEL-Basket 2.0", localTime(2009, 1, 5, 7, 5), 12, "10,8");
    EXPECT_EQ(lines[1], ";Fecha;Hora;Periodo Inicial;Velocidad Inicial (Km/h);");
    EXPECT_EQ(lines[2], ";05/01/2009;07:05;12;10,8;");
}

struct DateCase {
    LocalTime at;
    const char* date;
    const char* time;
    const char* fileDate;
};

class DateTexts : public ::testing::TestWithParam<DateCase> {};

TEST_P(DateTexts, SpanishSeparatorsAndTwoDigitFields)
{
    EXPECT_EQ(exportDateText(GetParam().at), GetParam().date);
    EXPECT_EQ(exportTimeText(GetParam().at), GetParam().time);
    EXPECT_EQ(exportFileDateText(GetParam().at), GetParam().fileDate);
}

INSTANTIATE_TEST_SUITE_P(Moments, DateTexts,
    ::testing::Values(
        DateCase{localTime(2015, 3, 14, 18, 30), "14/03/2015", "18:30", "14-03-15"},
        DateCase{localTime(2009, 1, 5, 0, 0), "05/01/2009", "00:00", "05-01-09"},
        DateCase{localTime(2000, 12, 31, 23, 59) + std::chrono::milliseconds(59'999), "31/12/2000", "23:59",
                 "31-12-00"},
        DateCase{localTime(2024, 2, 29, 9, 7), "29/02/2024", "09:07", "29-02-24"}));

TEST(ExportFileName, EditionTitleAndDateInTheExportFolder)
{
    const LocalTime day = localTime(2015, 3, 14, 18, 30);
    EXPECT_EQ(exportFolder("/home/coach/korvel"), "/home/coach/korvel/Export");
    EXPECT_EQ(exportFolder("/home/coach/korvel/"), "/home/coach/korvel/Export");
    EXPECT_EQ(exportFileName("/home/coach/korvel", "KORVEL-Basket 2.0", day),
              "/home/coach/korvel/Export/KORVEL-Basket 2.0_14-03-15.txt");
    EXPECT_EQ(exportFileName("/opt", "KORVEL-Fútbol 2.0", day), "/opt/Export/KORVEL-Fútbol 2.0_14-03-15.txt");
    EXPECT_EQ(exportFileName("/opt", "KORVEL-Basket 2.0", day + std::chrono::hours(5)),
              "/opt/Export/KORVEL-Basket 2.0_14-03-15.txt");  // same day, same name
}

}  // namespace
}  // namespace korvel
