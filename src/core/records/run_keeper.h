#pragma once
// Keeps every finished run in the store. A run is written once its measuring loop is over, never while
// one measures, so that the store costs a run nothing; a store that fails says so once and the device goes
// on, keeping the runs it could not write until it can.
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "core/platform.h"
#include "core/records/recorded_run.h"

namespace tap {

class Device;

class RunKeeper {
  public:
    // Runs kept in memory while the store cannot take them; the oldest go first beyond this.
    static constexpr std::size_t kMaxWaiting = 100;

    explicit RunKeeper(Device& d) : d_(d) {}

    // The first counted press of a run.
    void runStarts();
    // The measuring loop has ended: a run that reached its end waits to be written.
    void runEnded();
    // Writes the waiting runs, unless a run measures; when the program ends, also then and silently.
    void flush(bool programEnds = false);
    std::size_t waiting() const { return waiting_.size(); }

    // The store as the history window uses it; a failure is reported as for the runs written.
    std::optional<RunSummary> add(const RecordedRun& run);
    std::optional<std::vector<RunSummary>> summaries();
    std::optional<RecordedRun> load(std::int64_t id);
    bool remove(std::int64_t id);
    // The last failure, empty after a success.
    const std::string& lastError() const { return lastError_; }

  private:
    // Tells the user what the store has to say: a note always, a failure once until the store works again.
    bool report(const StoreStatus& status, const char* failed, bool quiet = false);
    Device& d_;
    std::deque<RecordedRun> waiting_;
    bool flushPosted_ = false;
    bool failureShown_ = false;
    std::string lastError_;
};

}  // namespace tap
