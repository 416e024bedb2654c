#pragma once
// The totals of the latest runs as bars, with the best so far as a line over them: a picture of the
// core's chart figures, drawn at the screen's pixel ratio.
#include <QWidget>
#include <vector>

#include "core/records/history_figures.h"

namespace tap::ui {

class HistoryChart : public QWidget {
  public:
    HistoryChart(std::size_t runs, QWidget* parent);
    void setPoints(std::vector<ChartPoint> points, int top);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    std::size_t slots_;
    std::vector<ChartPoint> points_;
    int top_ = 20;
};

}  // namespace tap::ui
