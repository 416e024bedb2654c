#pragma once
// The history window "記録" as a model: the stored runs as a table, the totals of the latest runs with
// the best so far, the best of each day, and the handlers of its buttons. A view shows it and forwards
// clicks; it keeps no state itself.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/records/history_figures.h"
#include "core/records/recorded_run.h"

namespace tap {

class Device;

class HistoryWindow {
  public:
    static constexpr const char* kCaption = "記録";
    static constexpr std::size_t kChartRuns = 100;
    enum Column { Date, Total, A, B, Fastest, Unstable, Sources, kColumns };
    enum DayColumn { Day, DayBestTotal, DayRuns, kDayColumns };
    // What changed, so that a view refreshes only that.
    enum class Part { Window, Runs, Selection, Actions };

    explicit HistoryWindow(Device& d) : d_(d) {}
    std::function<void(Part)> onChange;

    bool visible() const { return visible_; }
    // The RECORDS menu items: the stored runs read afresh, and the window shown.
    void open();
    void close();

    // The table, the newest run on top.
    int rowCount() const { return static_cast<int>(runs_.size()); }
    const RunSummary& run(int row) const { return runs_[indexOf(row)]; }
    std::string cell(int row, Column c) const;
    static std::string columnTitle(Column c);
    int dayCount() const { return static_cast<int>(days_.size()); }
    std::string dayCell(int row, DayColumn c) const;
    static std::string dayColumnTitle(DayColumn c);
    const std::vector<ChartPoint>& chart() const { return chart_; }
    int chartTop() const { return chartScaleTop(chart_); }
    std::string statusText() const;

    std::optional<int> selectedRow() const;
    void select(std::optional<int> row);
    // The buttons work between runs only, and those for one run need a run chosen.
    bool actionsEnabled() const;
    bool runActionsEnabled() const { return actionsEnabled() && selected_.has_value(); }
    // "比較": the chosen run becomes the analyzer's previous run, for this and the next run.
    void compareClick();
    // "書き出し...": the chosen run into a CSV or JSON file.
    void exportClick();
    // "削除": the chosen run deleted, once the user has confirmed it.
    void deleteClick();
    // "読み込み...": a run file checked, stored and compared with.
    void importClick();

    // A run the device has just stored.
    void runStored(const RunSummary& summary);
    // A run started or ended: the buttons follow.
    void runStateChanged() { changed(Part::Actions); }

  private:
    std::size_t indexOf(int row) const { return runs_.size() - 1 - static_cast<std::size_t>(row); }
    void figuresChanged();
    void changed(Part part);
    std::optional<RecordedRun> chosenRun();
    Device& d_;
    bool visible_ = false;
    std::vector<RunSummary> runs_;  // the oldest first, as the store keeps them
    std::vector<ChartPoint> chart_;
    std::vector<DayBest> days_;
    std::optional<std::size_t> selected_;  // index into runs_
    std::string readError_;
};

}  // namespace tap
