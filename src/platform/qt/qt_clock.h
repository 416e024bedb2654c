#pragma once
#include <QElapsedTimer>

#include "core/platform.h"

namespace tap::qt {

// Steady nanosecond clock; readings start at one second so that no reading is ever 0.
class QtClock : public Clock {
public:
    QtClock() { timer_.start(); }
    Millis tickNow() override { return Millis::fromUnits(timer_.nsecsElapsed() / 100 + Millis::kUnitsPerMs * 1000); }
    TimeOfDay timeOfDay() override;
    std::string timeOfDayText() override;
    CalendarTime localTime() override;

private:
    QElapsedTimer timer_;
};

}  // namespace tap::qt
