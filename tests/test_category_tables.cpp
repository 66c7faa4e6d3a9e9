#include "CategoryTables.h"

#include <gtest/gtest.h>

namespace korvel {
namespace {

struct ProposalCase {
    SportEdition edition;
    Sex sex;
    std::array<int, 3> periods;  // Cadete, Juvenil, Senior
};

class ProposedPeriod : public testing::TestWithParam<ProposalCase> {};

TEST_P(ProposedPeriod, MatchesTheCategoryTable)
{
    const ProposalCase& c = GetParam();
    EXPECT_EQ(initialPeriodFor(c.edition, c.sex, Category::Cadete), c.periods[0]);
    EXPECT_EQ(initialPeriodFor(c.edition, c.sex, Category::Juvenil), c.periods[1]);
    EXPECT_EQ(initialPeriodFor(c.edition, c.sex, Category::Senior), c.periods[2]);
}

INSTANTIATE_TEST_SUITE_P(EveryEditionAndSex, ProposedPeriod,
                         testing::Values(ProposalCase{SportEdition::Probst, Sex::Masculina, {1, 8, 12}},
                                         ProposalCase{SportEdition::Probst, Sex::Femenina, {1, 6, 10}},
                                         ProposalCase{SportEdition::Futbol, Sex::Masculina, {1, 6, 9}},
                                         ProposalCase{SportEdition::Futbol, Sex::Femenina, {1, 5, 7}},
                                         ProposalCase{SportEdition::Basket, Sex::Masculina, {1, 4, 6}},
                                         ProposalCase{SportEdition::Basket, Sex::Femenina, {1, 4, 5}},
                                         ProposalCase{SportEdition::FutSal, Sex::Masculina, {1, 3, 6}},
                                         ProposalCase{SportEdition::FutSal, Sex::Femenina, {1, 3, 5}},
                                         ProposalCase{SportEdition::Voley, Sex::Masculina, {1, 3, 6}},
                                         ProposalCase{SportEdition::Voley, Sex::Femenina, {1, 3, 5}}));

struct RangeCase {
    SportEdition edition;
    Sex sex;
    int lastCadete;
    int lastJuvenil;
    int lastSenior;
};

class CategoryOfPeriod : public testing::TestWithParam<RangeCase> {};

// Each range is checked at both of its ends, and the periods just outside all of them.
TEST_P(CategoryOfPeriod, RangesMeetWithoutGaps)
{
    const RangeCase& c = GetParam();
    const auto categoryOf = [&](int period) { return categoryForPeriod(c.edition, c.sex, period); };
    EXPECT_EQ(categoryOf(0), std::nullopt);
    EXPECT_EQ(categoryOf(1), Category::Cadete);
    EXPECT_EQ(categoryOf(c.lastCadete), Category::Cadete);
    EXPECT_EQ(categoryOf(c.lastCadete + 1), Category::Juvenil);
    EXPECT_EQ(categoryOf(c.lastJuvenil), Category::Juvenil);
    EXPECT_EQ(categoryOf(c.lastJuvenil + 1), Category::Senior);
    EXPECT_EQ(categoryOf(c.lastSenior), Category::Senior);
    EXPECT_EQ(categoryOf(c.lastSenior + 1), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(EveryEditionAndSex, CategoryOfPeriod,
                         testing::Values(RangeCase{SportEdition::Probst, Sex::Masculina, 7, 11, 30},
                                         RangeCase{SportEdition::Probst, Sex::Femenina, 5, 9, 30},
                                         RangeCase{SportEdition::Futbol, Sex::Masculina, 5, 8, 30},
                                         RangeCase{SportEdition::Futbol, Sex::Femenina, 4, 6, 30},
                                         RangeCase{SportEdition::Basket, Sex::Masculina, 3, 5, 30},
                                         RangeCase{SportEdition::Basket, Sex::Femenina, 3, 4, 30},
                                         RangeCase{SportEdition::FutSal, Sex::Masculina, 2, 5, 20},
                                         RangeCase{SportEdition::FutSal, Sex::Femenina, 2, 4, 20},
                                         RangeCase{SportEdition::Voley, Sex::Masculina, 2, 5, 20},
                                         RangeCase{SportEdition::Voley, Sex::Femenina, 2, 4, 20}));

}  // namespace
}  // namespace korvel
