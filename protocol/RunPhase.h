#pragma once

namespace korvel {

enum class RunPhase {
    Idle,             // no test: after creation and after a new test
    WarmUp,           // warm-up beeps at the start period's pace
    PreTestRecovery,  // the long recovery between warm-up and the first effort period
    EffortPeriod,     // station beeps of an effort period (or of a repeated period)
    Recovery,         // the recovery after an effort period
    Stopped,          // after "Fin de la prueba", until a new test
};

}  // namespace korvel
