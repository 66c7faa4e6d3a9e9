#pragma once

namespace korvel {

// The two kinds of test the operator can choose.
enum class TestMode {
    EffortTest,    // "Test de esfuerzo": recovery after each period, then the next, faster one
    RepeatPeriod,  // "Repetir periodo ...": one period's pace repeated until stop
};

}  // namespace korvel
