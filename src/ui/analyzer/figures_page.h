#pragma once
// The page of figures: per second and in total, the latest run, the previous one and their difference.
#include <QFrame>
#include <QLabel>
#include <array>

#include "core/analyzer/figures_table.h"

namespace tap::ui {

class FiguresPage : public QFrame {
public:
    explicit FiguresPage(QWidget* parent);
    void refresh(const FiguresTable& table);

private:
    std::array<std::array<QLabel*, FiguresTable::kRows>, FiguresTable::kColumns> cells_{};
};

}  // namespace tap::ui
