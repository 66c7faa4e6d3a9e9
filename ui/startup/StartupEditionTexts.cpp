#include "StartupEditionTexts.h"

#include <array>
#include <cstddef>

namespace korvel {
namespace {

constexpr const char* kLegalNotice =
    "Programa protegido por las leyes de propiedad intelectual. Prohibida su copia o "
    "distribución sin autorización.";

constexpr std::array<StartupEditionTexts, 5> kTexts{{
    {"OSKABEL en Fútbol", "", "ListBox_Futbol", ""},
    {"OSKABEL en Fútbol", kLegalNotice, "ListBox_Futbol", "KORVEL/korvel-futbol.html"},
    {"OSKABEL en Baloncesto", kLegalNotice, "ListBox_Basket", "KORVEL/korvel-basket.html"},
    {"OSKABEL en Fútbol Sala", kLegalNotice, "ListBox_FutSal", "KORVEL/korvel-futsal.html"},
    {"OSKABEL en Voleibol", kLegalNotice, "ListBox_Voley", "KORVEL/korvel-voley.html"},
}};

}  // namespace

const StartupEditionTexts& startupTextsFor(SportEdition edition)
{
    return kTexts.at(static_cast<std::size_t>(edition));
}

}  // namespace korvel
