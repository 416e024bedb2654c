#pragma once
// A run as CSV: "seq,button,source,press_ms,release_ms", one line per press, times with four decimals,
// an empty release for a button still held at the end.
#include <string>
#include <string_view>

#include "core/records/run_file.h"

namespace tap {

inline constexpr std::string_view kRunCsvHeader = "seq,button,source,press_ms,release_ms";

std::string runCsv(const RecordedRun& run);
// The presses of a CSV run file; the date is not part of the file and is left to the caller.
RunFileResult parseRunCsv(std::string_view text);

}  // namespace tap
