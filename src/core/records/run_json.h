#pragma once
// A run as JSON: its date, totals, the presses of A and B in each second, every press and release, and
// its statistics. A file read back must agree with itself: totals and seconds are checked against the
// presses, and the statistics are worked out afresh.
#include <string>
#include <string_view>

#include "core/records/run_file.h"

namespace tap {

inline constexpr std::string_view kRunJsonFormat = "tapriko-run";
inline constexpr int kRunJsonVersion = 1;

std::string runJson(const RecordedRun& run);
RunFileResult parseRunJson(std::string_view text);

}  // namespace tap
