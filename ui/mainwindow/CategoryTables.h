#pragma once

#include "SportEdition.h"

#include <optional>

namespace korvel {

// The players' sex on the configuration panel; the values are the list's item indexes.
enum class Sex {
    Masculina = 0,
    Femenina = 1,
};

// The players' category on the configuration panel; the values are the list's item indexes.
enum class Category {
    Cadete = 0,
    Juvenil = 1,
    Senior = 2,
};

// The initial period proposed for players of this sex and category.
int initialPeriodFor(SportEdition edition, Sex sex, Category category);

// The category whose range holds this initial period; none outside every range.
std::optional<Category> categoryForPeriod(SportEdition edition, Sex sex, int period);

}  // namespace korvel
