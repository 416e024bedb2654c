#pragma once
// Shows one of the canvas's pictures, shifted left by a scroll offset. Drawn areas are repainted at most
// about sixty times a second, so that a run drawing on every pass does not repaint on every pass.
#include <QRect>
#include <QTimer>
#include <QWidget>

#include "platform/qt/qt_canvas.h"

namespace tap::ui {

class CanvasView : public QWidget {
public:
    CanvasView(const qt::QtCanvas& canvas, CanvasPicture pic, QWidget* parent);

    void setOffset(int x);
    // The canvas changed `area` (in picture coordinates).
    void damaged(const QRect& area);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    const qt::QtCanvas& canvas_;
    CanvasPicture pic_;
    int offset_ = 0;
    QRect pending_;  // the bounds of what changed: a region of thousands of marks is slow to build
    QTimer repaint_;
};

}  // namespace tap::ui
