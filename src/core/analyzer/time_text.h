#pragma once
// Times as the analyzer writes them: decimal milliseconds or seconds without trailing zeros.
#include <string>

#include "core/millis.h"

namespace tap {

// "250", "250.5", "1234.5678".
std::string millisText(Millis t);
// Seconds of a time: "0.25", "1.2345678", "10".
std::string secondsText(Millis t);

}  // namespace tap
