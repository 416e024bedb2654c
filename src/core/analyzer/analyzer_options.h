#pragma once
// The analyzer's display options, set from its window and menu; reset each time the window loads.
#include <cstdint>

namespace tap {

struct AnalyzerOptions {
    std::int16_t graphType = 0;   // 0 bar graph, 1 line graph
    std::int16_t dataKind = 0;    // 0 presses per second, 1 running average
    std::int16_t rangeIndex = 1;  // 1, 2, 3: range 30, 60, 90
    std::int16_t valueMode = 0;   // 0 A and B summed, 1 separately
    bool lineShown = true;        // the 16-press line
    bool vuBoth = false;          // both meter rows show A + B
    bool graphActive = false;     // a run has started with the analyzer on since the window loaded
};

}  // namespace tap
