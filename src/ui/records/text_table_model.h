#pragma once
// A table model that asks the core for each cell as it is shown, so that a table of thousands of runs opens
// without building them all.
#include <QAbstractTableModel>
#include <functional>
#include <string>

namespace tap::ui {

class TextTableModel : public QAbstractTableModel {
  public:
    struct Source {
        std::function<int()> rows;
        int columns = 0;
        std::function<std::string(int row, int column)> cell;
        std::function<std::string(int column)> title;
        // Columns of numbers stand to the right.
        std::function<bool(int column)> numeric;
    };

    TextTableModel(Source source, QObject* parent)
        : QAbstractTableModel(parent), source_(std::move(source)) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : source_.rows();
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : source_.columns;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // The core's rows changed: everything is asked for again.
    void reload() {
        beginResetModel();
        endResetModel();
    }

  private:
    Source source_;
};

}  // namespace tap::ui
