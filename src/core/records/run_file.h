#pragma once
// Run files: a run written as CSV or JSON to keep or to send, and read back with everything checked, so
// that a damaged or hostile file is refused with a clear reason and never half taken.
#include <optional>
#include <string>
#include <string_view>

#include "core/records/recorded_run.h"

namespace tap {

enum class RunFileFormat { Csv, Json };

struct RunFileResult {
    std::optional<RecordedRun> run;
    std::string error;   // why the file was refused, for the user
    bool dated = false;  // the file gave the run's date (a CSV file has none)
};

// Larger files are no run of ten seconds.
inline constexpr std::size_t kMaxRunFileBytes = 8 * 1024 * 1024;

// ".json" (in any case) is JSON; anything else CSV.
RunFileFormat formatForPath(std::string_view path);
std::string writeRunFile(const RecordedRun& run, RunFileFormat format);
// Either format: JSON when its first character other than white space opens an object or an array, else CSV.
RunFileResult readRunFile(std::string_view text);

// Why `run` cannot be a recorded run, or empty when it can: press times from 0 in order within the ten
// seconds, each release after its press and before the button's next press.
std::string validateRun(const RecordedRun& run);
// A time in ms as the files write it: digits, optionally a point and one to four decimals.
std::optional<Millis> parseMillis(std::string_view text);
// A whole number of at most nine digits, without sign.
std::optional<int> parseCount(std::string_view text);
bool isValidUtf8(std::string_view text);

}  // namespace tap
