#pragma once

#include "PeriodTable.h"
#include "SportEdition.h"

#include <cstdint>
#include <string>

namespace korvel {

// Picture on the start panel.
enum class StartPicture {
    Cone,      // player passing a cone on an indoor court (Basket, Voley)
    Football,  // football pitch in perspective (Probst, Futbol)
    Futsal,    // futsal players (FutSal)
};

// Which court diagram the main window shows.
enum class Court {
    Football,  // Panel_Futbol, 14 cones (Probst, Futbol)
    Basket,    // Panel_Basket, 12 cones
    FutSal,    // Panel_FutSal, 14 cones
    Voley,     // Panel_Voley, 12 cones
};

// Colours as the program stores them: 0x00BBGGRR (red in the low byte).
using StoredColor = std::uint32_t;

// Per-edition constants, fixed for the life of the main window.
struct EditionProfile {
    SportEdition edition;

    // Protocol.
    int stationsPerLap;        // cones in the circuit, rows of the subjects table
    int beepsPerPeriod;        // station beeps of one effort period (and of the warm-up)
    double metresPerStation;   // metres between two consecutive cones
    int recoveryMs;            // recovery after every effort period
    int preTestRecoveryMs;     // recovery between the warm-up and the first effort period
    PeriodTable periodTable;   // station interval per effort period
    bool alternatesDirection;  // the circuit is run backwards after an odd number of periods

    // Skin.
    std::string editionTitle;
    std::string sportName;
    StoredColor backColor;
    StoredColor panelColor;
    StoredColor highlightColor;
    StartPicture startPicture;
    Court court;
};

const EditionProfile& profileFor(SportEdition edition);

}  // namespace korvel
