#pragma once
// A frameless window of the games (a panel, an explosion window or the bonus) that follows its model.
#include <QWidget>
#include <functional>

#include "core/appearance/secondary_windows.h"
#include "ui/picture_book.h"

namespace tap::ui {

class GameWindow : public QWidget {
    Q_OBJECT
public:
    // `owner` keeps the game windows above the device; `title` names the window for the window system.
    GameWindow(const PictureBook& book, QWidget* owner, const QString& title);

    void follow(const WindowModel& model);
    std::function<void()> onDoubleClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;

private:
    const PictureBook& book_;
    WindowPicture picture_;
    std::optional<Region> shape_;
};

}  // namespace tap::ui
