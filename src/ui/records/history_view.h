#pragma once
// The history window "記録": a thin view of the core's history model. It shows the chart, the best of each
// day and the table of runs, and forwards clicks and the chosen run to the model. Keys that do not move in
// the table go on to the device, so that a run can be started whichever window has the focus.
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QWidget>
#include <functional>

#include "core/device/device.h"
#include "ui/records/history_chart.h"
#include "ui/records/text_table_model.h"

namespace tap::ui {

class HistoryView : public QWidget {
  public:
    HistoryView(Device& device, QWidget* owner);

    // Keys typed into this window, handed to the device: (event, pressed).
    std::function<void(const QKeyEvent&, bool)> forwardKey;

    // For tests and the benchmark.
    QTableView* runsTable() const { return runs_; }
    QTableView* daysTable() const { return days_; }
    QPushButton* button(const QString& objectName) const;

  protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void sync(HistoryWindow::Part part);
    void syncRuns();
    void syncSelection();
    void syncActions();
    QTableView* table(TextTableModel* model, const std::vector<int>& widths);
    QPushButton* addButton(const char* caption, const char* name, void (HistoryWindow::*handler)());

    HistoryWindow& model_;
    HistoryChart* chart_ = nullptr;
    TextTableModel* runsModel_ = nullptr;
    TextTableModel* daysModel_ = nullptr;
    QTableView* runs_ = nullptr;
    QTableView* days_ = nullptr;
    QLabel* status_ = nullptr;
    std::vector<QPushButton*> runButtons_;  // those that need a run chosen
    QPushButton* import_ = nullptr;
    bool placed_ = false;
    bool syncing_ = false;  // the view follows the model: no selection goes back to it meanwhile
};

}  // namespace tap::ui
