#include "EditionProfile.h"

#include <array>
#include <string>
#include <vector>

namespace korvel {
namespace {

PeriodTable tableOf(std::initializer_list<int> intervals)
{
    std::vector<std::string> lines;
    lines.reserve(intervals.size());
    for (int ms : intervals) {
        lines.push_back(std::to_string(ms));
    }
    return PeriodTable(std::move(lines));
}

PeriodTable probstTable()
{
    return tableOf({8571, 7500, 6667, 6000, 5455, 5000, 4615, 4286, 4000, 3750, 3529, 3333, 3158, 3000, 2857,
                    2727, 2609, 2500, 2400, 2308, 2222, 2143, 2069, 2000, 1935, 1875, 1818, 1765, 1714, 1667});
}

PeriodTable footballTable()
{
    return tableOf({7843, 6863, 6100, 5490, 4991, 4575, 4223, 3921, 3660, 3431, 3229, 3050, 2889, 2745, 2614,
                    2495, 2387, 2287, 2196, 2112, 2033, 1961, 1893, 1830, 1771, 1716, 1664, 1615, 1569, 1525});
}

PeriodTable basketballTable()
{
    return tableOf({5333, 4800, 4364, 4000, 3692, 3429, 3200, 3000, 2824, 2667, 2526, 2400, 2286, 2182, 2087,
                    2000, 1920, 1846, 1778, 1714, 1655, 1600, 1548, 1500, 1455, 1412, 1371, 1333, 1297, 1263});
}

PeriodTable futsalTable()
{
    return tableOf({6857, 6000, 5333, 4800, 4364, 4000, 3692, 3429, 3200, 3000, 2824, 2667, 2526, 2400,
                    2286, 2182, 2087, 2000, 1920, 1846, 1778, 1714, 1655, 1600, 1548, 1500, 1455, 1412});
}

PeriodTable volleyballTable()
{
    return tableOf({4214, 3687, 3227, 2950, 2681, 2458, 2269, 2107, 1966, 1844, 1735, 1639, 1552,
                    1475, 1405, 1341, 1282, 1230, 1179, 1134, 1092, 1053, 1017, 983, 951});
}

constexpr int kRecoveryMs = 30000;
constexpr int kPreTestRecoveryMs = 180000;

std::array<EditionProfile, 5> makeProfiles()
{
    return {{
        {SportEdition::Probst, 14, 28, 10.0, kRecoveryMs, kPreTestRecoveryMs, probstTable(), true,
         "Test de Probst", "Fútbol", 7911788, 6203728, 4421433, StartPicture::Football, Court::Football},
        {SportEdition::Futbol, 14, 28, 9.15, kRecoveryMs, kPreTestRecoveryMs, footballTable(), true,
         "KORVEL-Fútbol 2.0", "Fútbol", 7911788, 6203728, 4421433, StartPicture::Football, Court::Football},
        {SportEdition::Basket, 12, 36, 8.0, kRecoveryMs, kPreTestRecoveryMs, basketballTable(), true,
         "KORVEL-Basket 2.0", "Baloncesto", 9165301, 2930925, 1219277, StartPicture::Cone, Court::Basket},
        {SportEdition::FutSal, 14, 28, 7.43, kRecoveryMs, kPreTestRecoveryMs, futsalTable(), true,
         "KORVEL-FutSal", "Fútbol-Sala", 15965287, 12615680, 9330688, StartPicture::Futsal, Court::FutSal},
        {SportEdition::Voley, 12, 36, 4.91, kRecoveryMs, kPreTestRecoveryMs, volleyballTable(), false,
         "KORVEL-Voley", "Voleibol", 8171935, 5474935, 3364169, StartPicture::Cone, Court::Voley},
    }};
}

}  // namespace

const EditionProfile& profileFor(SportEdition edition)
{
    static const std::array<EditionProfile, 5> profiles = makeProfiles();
    return profiles.at(static_cast<std::size_t>(edition));
}

}  // namespace korvel
