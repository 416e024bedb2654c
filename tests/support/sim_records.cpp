#include "tests/support/sim_records.h"

#include <algorithm>

namespace tap::sim {

StoreStatus SimRunStore::status() {
    StoreStatus s{failure, note};
    note.clear();
    return s;
}

StoreStatus SimRunStore::add(const RecordedRun& run, const RunSummary& summary, std::int64_t& id) {
    ++adds;
    StoreStatus s = status();
    if (!s.ok()) return s;
    id = nextId_++;
    stored.push_back({run, summary});
    stored.back().summary.id = id;
    return s;
}

StoreStatus SimRunStore::summaries(std::vector<RunSummary>& out) {
    StoreStatus s = status();
    if (!s.ok()) return s;
    out.clear();
    for (const auto& r : stored) out.push_back(r.summary);
    return s;
}

StoreStatus SimRunStore::load(std::int64_t id, RecordedRun& out) {
    StoreStatus s = status();
    if (!s.ok()) return s;
    const auto it =
        std::find_if(stored.begin(), stored.end(), [id](const Stored& r) { return r.summary.id == id; });
    if (it == stored.end()) return {"no run " + std::to_string(id), {}};
    out = it->run;
    return s;
}

StoreStatus SimRunStore::remove(std::int64_t id) {
    StoreStatus s = status();
    if (!s.ok()) return s;
    std::erase_if(stored, [id](const Stored& r) { return r.summary.id == id; });
    return s;
}

FileText SimFiles::read(const std::string& path, std::size_t maxBytes) {
    const auto it = files.find(path);
    if (it == files.end()) return {std::nullopt, "no such file"};
    if (it->second.size() > maxBytes) return {std::nullopt, "too large"};
    return {it->second, {}};
}

std::string SimFiles::write(const std::string& path, const std::string& text) {
    if (!writeFailure.empty()) return writeFailure;
    files[path] = text;
    return {};
}

}  // namespace tap::sim
