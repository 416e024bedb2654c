#pragma once
// The analyzer window: a thin view of the core's analyzer model. It shows the model's pictures, canvas
// pictures, figures and lists, and forwards clicks to the model's handlers. Keys typed while it is active
// go on to the device, so that a run can be pressed whichever of the two windows has the focus.
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <array>
#include <functional>
#include <set>

#include "core/device/device.h"
#include "platform/qt/qt_canvas.h"
#include "ui/analyzer/canvas_view.h"
#include "ui/analyzer/figures_page.h"
#include "ui/analyzer/picture_button.h"
#include "ui/analyzer/settings_panel.h"
#include "ui/picture_book.h"

namespace tap::ui {

class AnalyzerView : public QWidget {
public:
    AnalyzerView(Device& device, const PictureBook& book, qt::QtCanvas& canvas, QWidget* owner);

    // Keys typed into this window, handed to the device: (event, pressed).
    std::function<void(const QKeyEvent&, bool)> forwardKey;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void buildPages(const qt::QtCanvas& canvas);
    void buildControls();
    void sync(AnalyzerWindow::Part part);
    // Parts that change with every press wait for the next sixtieth of a second, so that a fast run
    // refreshes them at screen rate rather than at pressing rate.
    void syncSoon(AnalyzerWindow::Part part);
    void syncNow(AnalyzerWindow::Part part);
    void syncWindow();
    void syncPages();
    void syncScales();
    void syncScore();
    QLabel* picture(PictureId id, QPoint at, QWidget* parent);

    AnalyzerWindow& model_;
    const PictureBook& book_;
    std::array<QWidget*, 3> pages_{};
    std::array<CanvasView*, kCanvasPictureCount> canvases_{};
    std::array<QLabel*, 3> scales_{};
    QLabel *legendLine_ = nullptr, *legendBar_ = nullptr, *score_ = nullptr;
    QScrollBar* hscll1_ = nullptr;
    FiguresPage* figures_ = nullptr;
    std::array<PictureButton*, 3> pageButtons_{};
    PictureButton* close_ = nullptr;
    QLabel *status_ = nullptr, *banner_ = nullptr;
    QWidget* cb3_ = nullptr;
    SettingsPanel* panel_ = nullptr;
    bool placed_ = false;
    std::set<AnalyzerWindow::Part> pending_;
    QTimer soon_;
    bool timeListsStale_ = false;  // filled when the panel that shows them opens
};

}  // namespace tap::ui
