#pragma once

namespace korvel {

// The sport edition a build is made for; the numbers are the editions' stored values.
enum class SportEdition {
    Probst = 0,  // football, Probst variant of the test
    Futbol = 1,  // football
    Basket = 2,  // basketball
    FutSal = 3,  // futsal
    Voley = 4,   // volleyball
};

}  // namespace korvel
