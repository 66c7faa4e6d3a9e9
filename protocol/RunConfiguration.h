#pragma once

#include "TestMode.h"

#include <optional>

namespace korvel {

// The operator's choices on the configuration panel, read when a test starts.
class RunConfiguration {
public:
    virtual ~RunConfiguration() = default;
    virtual std::optional<TestMode> testMode() const = 0;  // none until a mode is chosen
    virtual int initialPeriod() const = 0;
    virtual bool warmUpOption() const = 0;
};

}  // namespace korvel
