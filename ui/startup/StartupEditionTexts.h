#pragma once

#include "SportEdition.h"

namespace korvel {

// What the start-up window shows and opens for one edition (UTF-8 texts).
struct StartupEditionTexts {
    const char* subtitle;
    const char* legalNotice;      // empty: the edition shows no notice
    const char* creditsListName;  // object name of the credits list shown under "Autores"
    const char* editionPage;      // path of the edition's page on the maker's site; empty: home page
};

const StartupEditionTexts& startupTextsFor(SportEdition edition);

}  // namespace korvel
