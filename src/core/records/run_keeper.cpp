#include "core/records/run_keeper.h"

#include "core/device/device.h"
#include "core/records/run_statistics.h"

namespace tap {

namespace {
constexpr const char* kCannotStore = "記録を保存できません。";
constexpr const char* kCannotRead = "記録を読めません。";
}  // namespace

void RunKeeper::runStarts() {
    d_.recorder.begin(d_.p.clock.localTime());
    d_.history.runStateChanged();
}

void RunKeeper::runEnded() {
    // A loop left for the program's end stops short of the run's ten seconds: no run to keep.
    if (d_.s.shootState != 3) {
        d_.recorder.discard();
    } else {
        waiting_.push_back(d_.recorder.finish());
        if (waiting_.size() > kMaxWaiting) waiting_.pop_front();
        if (!flushPosted_) {
            flushPosted_ = true;
            d_.p.pump.post([this] {
                flushPosted_ = false;
                flush();
            });
        }
    }
    d_.history.runStateChanged();
}

void RunKeeper::flush(bool programEnds) {
    // A run that started before this got its turn is written after it, with this one.
    if (d_.s.measuring && !programEnds) return;
    while (!waiting_.empty()) {
        const RecordedRun& run = waiting_.front();
        RunSummary summary = summaryOf(run);
        if (!report(d_.p.runs.add(run, summary, summary.id), kCannotStore, programEnds)) return;
        waiting_.pop_front();
        if (!programEnds) d_.history.runStored(summary);
    }
}

std::optional<RunSummary> RunKeeper::add(const RecordedRun& run) {
    RunSummary summary = summaryOf(run);
    if (!report(d_.p.runs.add(run, summary, summary.id), kCannotStore)) return std::nullopt;
    return summary;
}

std::optional<std::vector<RunSummary>> RunKeeper::summaries() {
    std::vector<RunSummary> out;
    if (!report(d_.p.runs.summaries(out), kCannotRead)) return std::nullopt;
    return out;
}

std::optional<RecordedRun> RunKeeper::load(std::int64_t id) {
    RecordedRun run;
    if (!report(d_.p.runs.load(id, run), kCannotRead)) return std::nullopt;
    return run;
}

bool RunKeeper::remove(std::int64_t id) {
    return report(d_.p.runs.remove(id), "記録を削除できません。");
}

bool RunKeeper::report(const StoreStatus& status, const char* failed, bool quiet) {
    if (!status.note.empty() && !quiet)
        d_.view.message(status.note, MessageIcon::Information, MessageButtons::Ok);
    lastError_ = status.error;
    if (status.ok()) {
        failureShown_ = false;
        return true;
    }
    if (!failureShown_ && !quiet) {
        failureShown_ = true;
        std::string text = std::string(failed) + "\n" + d_.p.runs.location() + "\n" + status.error + "\n\n" +
                           "測定はこのまま続けられます。";
        if (!waiting_.empty())
            text += "保存できなかった記録は、保存できるようになるまで手元に置いておきます。";
        d_.view.message(text, MessageIcon::Critical, MessageButtons::Ok);
    }
    return false;
}

}  // namespace tap
