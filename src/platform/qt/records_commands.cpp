#include "platform/qt/records_commands.h"

#include <QFileInfo>
#include <algorithm>
#include <cstdio>

#include "core/records/history_figures.h"
#include "core/records/run_file.h"
#include "platform/qt/user_files.h"

namespace tap::qt {

namespace {
// A question about runs makes no database where there is none.
bool nothingStored(const RunStore& store) {
    const QString path = QString::fromStdString(store.location());
    return path != QLatin1String(":memory:") && !QFileInfo::exists(path);
}

// The store's note on stderr; false, with the failure there, when it failed.
bool reported(const StoreStatus& s, const RunStore& store) {
    if (!s.note.empty()) std::fprintf(stderr, "tapriko: %s\n", s.note.c_str());
    if (s.ok()) return true;
    std::fprintf(stderr, "tapriko: cannot read the runs in %s: %s\n", store.location().c_str(),
                 s.error.c_str());
    return false;
}
}  // namespace

bool asksForRecords(const std::vector<std::string>& args) {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        return a == "--history" || a == "--export-last" || a.rfind("--export-last=", 0) == 0;
    });
}

int printHistory(RunStore& store) {
    std::vector<RunSummary> runs;
    if (!nothingStored(store) && !reported(store.summaries(runs), store)) return 1;
    if (runs.empty()) {
        std::printf("No runs are stored in %s.\n", store.location().c_str());
        return 0;
    }
    std::fputs(historyTable(runs).c_str(), stdout);
    return 0;
}

int exportLastRun(RunStore& store, const QString& file) {
    const std::string path = file.toStdString();
    if (!file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) &&
        !file.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)) {
        std::fprintf(stderr, "tapriko: --export-last needs a file ending in .csv or .json, not %s\n",
                     path.c_str());
        return 1;
    }
    std::vector<RunSummary> runs;
    if (!nothingStored(store) && !reported(store.summaries(runs), store)) return 1;
    const auto last =
        std::find_if(runs.rbegin(), runs.rend(), [](const RunSummary& r) { return !r.imported; });
    if (last == runs.rend()) {
        std::fprintf(stderr, "tapriko: no run is stored in %s\n", store.location().c_str());
        return 1;
    }
    RecordedRun run;
    if (!reported(store.load(last->id, run), store)) return 1;
    const std::string error = QtUserFiles().write(path, writeRunFile(run, formatForPath(path)));
    if (!error.empty()) {
        std::fprintf(stderr, "tapriko: cannot write %s: %s\n", path.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace tap::qt
