#include "CategoryTables.h"

#include <array>

namespace korvel {
namespace {

// For one edition and sex: the proposed period of each category, and the last period of each
// category's range (each range starts one after the previous one ends, the first at 1).
struct CategoryRow {
    std::array<int, 3> proposed;
    std::array<int, 3> lastOfRange;
};

const CategoryRow& rowFor(SportEdition edition, Sex sex)
{
    static constexpr CategoryRow kProbstMale{{1, 8, 12}, {7, 11, 30}};
    static constexpr CategoryRow kProbstFemale{{1, 6, 10}, {5, 9, 30}};
    static constexpr CategoryRow kFutbolMale{{1, 6, 9}, {5, 8, 30}};
    static constexpr CategoryRow kFutbolFemale{{1, 5, 7}, {4, 6, 30}};
    static constexpr CategoryRow kBasketMale{{1, 4, 6}, {3, 5, 30}};
    static constexpr CategoryRow kBasketFemale{{1, 4, 5}, {3, 4, 30}};
    static constexpr CategoryRow kIndoorMale{{1, 3, 6}, {2, 5, 20}};
    static constexpr CategoryRow kIndoorFemale{{1, 3, 5}, {2, 4, 20}};

    const bool male = sex == Sex::Masculina;
    switch (edition) {
    case SportEdition::Probst:
        return male ? kProbstMale : kProbstFemale;
    case SportEdition::Futbol:
        return male ? kFutbolMale : kFutbolFemale;
    case SportEdition::Basket:
        return male ? kBasketMale : kBasketFemale;
    case SportEdition::FutSal:
    case SportEdition::Voley:
        break;
    }
    return male ? kIndoorMale : kIndoorFemale;
}

}  // namespace

int initialPeriodFor(SportEdition edition, Sex sex, Category category)
{
    return rowFor(edition, sex).proposed.at(static_cast<std::size_t>(category));
}

std::optional<Category> categoryForPeriod(SportEdition edition, Sex sex, int period)
{
    const CategoryRow& row = rowFor(edition, sex);
    int first = 1;
    for (std::size_t i = 0; i < row.lastOfRange.size(); ++i) {
        if (period >= first && period <= row.lastOfRange[i]) {
            return static_cast<Category>(i);
        }
        first = row.lastOfRange[i] + 1;
    }
    return std::nullopt;
}

}  // namespace korvel
