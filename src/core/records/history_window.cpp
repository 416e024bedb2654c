#include "core/records/history_window.h"

#include "core/device/device.h"
#include "core/records/run_file.h"
#include "core/records/run_statistics.h"

namespace tap {

namespace {
const std::vector<FileFilter> kRunFiles = {{"記録ファイル", "*.csv;*.json"}};

// "tapriko-20240501-123456.csv"
std::string suggestedName(const CalendarTime& t) {
    std::string digits;
    for (char c : t.shown())
        if (c >= '0' && c <= '9') digits += c;
    return "tapriko-" + digits.substr(0, 8) + "-" + digits.substr(8) + ".csv";
}
}  // namespace

void HistoryWindow::changed(Part part) {
    if (onChange) onChange(part);
}

void HistoryWindow::open() {
    if (d_.s.measuring) return;
    const auto stored = d_.runKeeper.summaries();
    readError_ = stored ? std::string() : d_.runKeeper.lastError();
    runs_ = stored.value_or(std::vector<RunSummary>{});
    selected_.reset();
    figuresChanged();
    visible_ = true;
    changed(Part::Window);
}

void HistoryWindow::close() {
    visible_ = false;
    changed(Part::Window);
}

void HistoryWindow::figuresChanged() {
    chart_ = recentTotals(runs_, kChartRuns);
    days_ = bestOfEachDay(runs_);
    changed(Part::Runs);
    changed(Part::Selection);
}

std::string HistoryWindow::cell(int row, Column c) const {
    const RunSummary& r = run(row);
    switch (c) {
        case Date:
            return r.startedAt.shown();
        case Total:
            return std::to_string(r.total);
        case A:
            return std::to_string(r.countA);
        case B:
            return std::to_string(r.countB);
        case Fastest:
            return std::to_string(r.fastestSecond);
        case Unstable:
            return rateText(r.unstableRate);
        case Sources:
            return sourcesShown(r);
        case kColumns:
            break;
    }
    return {};
}

std::string HistoryWindow::columnTitle(Column c) {
    static const char* const titles[kColumns] = {"日時", "合計", "A", "B", "最速1秒", "不安定度", "入力"};
    return c >= 0 && c < kColumns ? titles[c] : "";
}

std::string HistoryWindow::dayCell(int row, DayColumn c) const {
    const DayBest& d = days_[static_cast<std::size_t>(row)];
    return c == Day ? d.day.dayText() : std::to_string(c == DayBestTotal ? d.best : d.runs);
}

std::string HistoryWindow::dayColumnTitle(DayColumn c) {
    static const char* const titles[kDayColumns] = {"日付", "最高", "回数"};
    return c >= 0 && c < kDayColumns ? titles[c] : "";
}

std::string HistoryWindow::statusText() const {
    if (!readError_.empty()) return "記録を読めません: " + readError_;
    return "記録 " + std::to_string(runs_.size()) + " 件 ・ " + d_.p.runs.location();
}

std::optional<int> HistoryWindow::selectedRow() const {
    if (!selected_) return std::nullopt;
    return static_cast<int>(runs_.size() - 1 - *selected_);
}

void HistoryWindow::select(std::optional<int> row) {
    if (row && (*row < 0 || *row >= rowCount())) row.reset();
    selected_ = row ? std::optional<std::size_t>(indexOf(*row)) : std::nullopt;
    changed(Part::Selection);
}

bool HistoryWindow::actionsEnabled() const {
    return !d_.s.measuring;
}

std::optional<RecordedRun> HistoryWindow::chosenRun() {
    if (!runActionsEnabled()) return std::nullopt;
    return d_.runKeeper.load(runs_[*selected_].id);
}

void HistoryWindow::compareClick() {
    if (const auto run = chosenRun())
        d_.analyzer.compareWith(perSecond(*run, PressKind::A), perSecond(*run, PressKind::B));
}

void HistoryWindow::exportClick() {
    const auto run = chosenRun();
    if (!run) return;
    const auto path = d_.p.dialogs.saveFile(suggestedName(run->startedAt), kRunFiles);
    if (!path) return;
    const std::string error = d_.p.files.write(*path, writeRunFile(*run, formatForPath(*path)));
    if (!error.empty())
        d_.view.message("書き出せません。\n" + *path + "\n" + error, MessageIcon::Critical,
                        MessageButtons::Ok);
}

void HistoryWindow::deleteClick() {
    if (!runActionsEnabled()) return;
    const RunSummary& r = runs_[*selected_];
    const std::string question =
        "この記録を削除しますか？\n" + r.startedAt.shown() + "  合計 " + std::to_string(r.total) + " 回";
    if (d_.view.message(question, MessageIcon::None, MessageButtons::OkCancel) != MessageAnswer::Ok) return;
    if (!d_.runKeeper.remove(r.id)) return;
    const std::size_t index = *selected_;
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(index));
    // The run below the deleted one in the table takes its place.
    selected_ = index > 0 ? std::optional<std::size_t>(index - 1) : std::nullopt;
    figuresChanged();
}

void HistoryWindow::importClick() {
    if (!actionsEnabled()) return;
    const auto path = d_.p.dialogs.openFile(kRunFiles);
    if (!path) return;
    auto refuse = [this, &path](const std::string& why) {
        d_.view.message("読み込めません。\n" + *path + "\n" + why, MessageIcon::Critical, MessageButtons::Ok);
    };
    const FileText file = d_.p.files.read(*path, kMaxRunFileBytes);
    if (!file.text) return refuse(file.error);
    RunFileResult read = readRunFile(*file.text);
    if (!read.run) return refuse(read.error);
    RecordedRun& run = *read.run;
    run.imported = true;
    if (!read.dated) run.startedAt = d_.p.clock.localTime();
    if (const auto stored = d_.runKeeper.add(run)) {
        runs_.push_back(*stored);
        selected_ = runs_.size() - 1;
        figuresChanged();
    }
    // Compared with even when it could not be stored: that is what it was read for.
    d_.analyzer.compareWith(perSecond(run, PressKind::A), perSecond(run, PressKind::B));
}

void HistoryWindow::runStored(const RunSummary& summary) {
    if (!visible_) return;  // read afresh when the window opens
    runs_.push_back(summary);
    figuresChanged();
}

}  // namespace tap
