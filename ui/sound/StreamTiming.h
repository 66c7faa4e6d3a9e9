#pragma once

namespace korvel {

// How the beep stream keeps its sounds on the clock.
struct StreamTiming {
    int sampleRate = 44100;
    // A newly opened device counts as playing once its reported position has kept the
    // clock's pace for this long.
    int startWindowMs = 300;
    // How far the device's reported position may stray from the clock before the stream
    // corrects it, and for how long: the report wobbles by tens of milliseconds, and a
    // correction is heard, so only a real slip (the device ran dry or stalled) should cause one.
    int toleranceMs = 200;
    int persistenceMs = 500;
    // Room for the wobble of the device's position when placing a beep.
    int placementMarginMs = 60;
    // How long after its due time a beep may be reported (the run notices it on a 10 ms
    // tick; a busy machine can hold the tick back further) and still be placed exactly.
    int reportSlackMs = 200;
    // A beep reported later still plays at once if it is at most this late, and is dropped
    // otherwise: after a stall a beep out of time misleads the players more than a missing one.
    int maxLateMs = 100;
};

}  // namespace korvel
