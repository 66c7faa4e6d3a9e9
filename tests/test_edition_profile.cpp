#include "EditionProfile.h"
#include "SpeedLabels.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

TEST(EditionProfile, BasketValues)
{
    const EditionProfile& p = profileFor(SportEdition::Basket);
    EXPECT_EQ(p.edition, SportEdition::Basket);
    EXPECT_EQ(p.stationsPerLap, 12);
    EXPECT_EQ(p.beepsPerPeriod, 36);
    EXPECT_EQ(p.metresPerStation, 8.0);
    EXPECT_EQ(p.recoveryMs, 30000);
    EXPECT_EQ(p.preTestRecoveryMs, 180000);
    EXPECT_EQ(p.periodTable.entryCount(), 30);
    EXPECT_EQ(intervalFor(p.periodTable, 1), 5333);
    EXPECT_EQ(intervalFor(p.periodTable, 30), 1263);
    EXPECT_TRUE(p.alternatesDirection);
    EXPECT_EQ(p.editionTitle, "KORVEL-Basket 2.0");
    EXPECT_EQ(p.sportName, "Baloncesto");
}

struct ProfileCase {
    SportEdition edition;
    int stations;
    int beeps;
    double metres;
    int entries;
    int first;
    int last;
    bool alternates;
    const char* title;
};

class EveryEdition : public testing::TestWithParam<ProfileCase> {};

TEST_P(EveryEdition, ProtocolFieldsAsTabulated)
{
    const ProfileCase& c = GetParam();
    const EditionProfile& p = profileFor(c.edition);
    EXPECT_EQ(p.edition, c.edition);
    EXPECT_EQ(p.stationsPerLap, c.stations);
    EXPECT_EQ(p.beepsPerPeriod, c.beeps);
    EXPECT_EQ(p.metresPerStation, c.metres);
    EXPECT_EQ(p.periodTable.entryCount(), c.entries);
    EXPECT_EQ(intervalFor(p.periodTable, 1), c.first);
    EXPECT_EQ(intervalFor(p.periodTable, c.entries), c.last);
    EXPECT_EQ(intervalFor(p.periodTable, c.entries + 1), std::nullopt);
    EXPECT_EQ(p.alternatesDirection, c.alternates);
    EXPECT_EQ(p.editionTitle, c.title);
    EXPECT_EQ(p.recoveryMs, 30000);
    EXPECT_EQ(p.preTestRecoveryMs, 180000);
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryEdition,
    testing::Values(
        ProfileCase{SportEdition::Probst, 14, 28, 10.0, 30, 8571, 1667, true, "Test de Probst"},
        ProfileCase{SportEdition::Futbol, 14, 28, 9.15, 30, 7843, 1525, true, "KORVEL-Fútbol 2.0"},
        ProfileCase{SportEdition::Basket, 12, 36, 8.0, 30, 5333, 1263, true, "KORVEL-Basket 2.0"},
        ProfileCase{SportEdition::FutSal, 14, 28, 7.43, 28, 6857, 1412, true, "KORVEL-FutSal"},
        ProfileCase{SportEdition::Voley, 12, 36, 4.91, 25, 4214, 951, false, "KORVEL-Voley"}),
    [](const testing::TestParamInfo<ProfileCase>& info) { return std::to_string(static_cast<int>(info.param.edition)); });

TEST(EditionProfile, EveryTableDecreasesStrictly)
{
    for (SportEdition e : {SportEdition::Probst, SportEdition::Futbol, SportEdition::Basket, SportEdition::FutSal,
                           SportEdition::Voley}) {
        const PeriodTable& t = profileFor(e).periodTable;
        for (int n = 2; n <= t.entryCount(); ++n) {
            EXPECT_LT(*intervalFor(t, n), *intervalFor(t, n - 1)) << "edition " << static_cast<int>(e) << " entry " << n;
        }
    }
}

TEST(PeriodTable, VolleyballEntries)
{
    const PeriodTable& t = profileFor(SportEdition::Voley).periodTable;
    EXPECT_EQ(intervalFor(t, 3), 3227);
    EXPECT_EQ(intervalFor(t, 26), std::nullopt);
}

TEST(PeriodTable, EntriesThatAreNotWholePositiveNumbersReadAsEmpty)
{
    const PeriodTable t({"4000", " 3500 ", "", "abc", "12a", "0", "-5", "3.5", "99999999999", "1"});
    EXPECT_EQ(intervalFor(t, 0), std::nullopt);
    EXPECT_EQ(intervalFor(t, 1), 4000);
    EXPECT_EQ(intervalFor(t, 2), 3500);
    for (int n = 3; n <= 9; ++n) {
        EXPECT_EQ(intervalFor(t, n), std::nullopt) << "entry " << n;
    }
    EXPECT_EQ(intervalFor(t, 10), 1);
    EXPECT_EQ(intervalFor(t, 11), std::nullopt);
}

TEST(SpeedLabels, TextPerPeriod)
{
    const std::pair<int, const char*> cases[] = {
        {1, "4,2"}, {2, "4,8"}, {11, "10,2"}, {26, "19,2"}, {27, "19,8"}, {28, "20,4"}, {29, "21,0"}, {30, "21,6"},
    };
    for (const auto& [period, text] : cases) {
        EXPECT_EQ(speedLabel(period), text) << "period " << period;
    }
    EXPECT_EQ(speedLabel(0), std::nullopt);
    EXPECT_EQ(speedLabel(31), std::nullopt);
    EXPECT_EQ(speedLabel(-1), std::nullopt);
}

}  // namespace
}  // namespace korvel
