#pragma once
// The run store and the user's files in memory, with switches that make them fail like a full disk, a
// locked file or a damaged database.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/platform.h"

namespace tap::sim {

class SimRunStore : public RunStore {
  public:
    struct Stored {
        RecordedRun run;
        RunSummary summary;
    };
    std::vector<Stored> stored;  // the oldest first
    // Every operation fails with this while it is not empty.
    std::string failure;
    // Handed out once with the next operation, as a store does that set a damaged file aside.
    std::string note;
    int adds = 0;  // operations that tried to store a run

    std::string location() const override { return "sim:runs"; }
    StoreStatus add(const RecordedRun& run, const RunSummary& summary, std::int64_t& id) override;
    StoreStatus summaries(std::vector<RunSummary>& out) override;
    StoreStatus load(std::int64_t id, RecordedRun& out) override;
    StoreStatus remove(std::int64_t id) override;

  private:
    StoreStatus status();
    std::int64_t nextId_ = 1;
};

class SimFiles : public UserFiles {
  public:
    std::map<std::string, std::string> files;
    std::string writeFailure;  // every write fails with this while it is not empty

    FileText read(const std::string& path, std::size_t maxBytes) override;
    std::string write(const std::string& path, const std::string& text) override;
};

}  // namespace tap::sim
