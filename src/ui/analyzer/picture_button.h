#pragma once
// A button that is a picture of ours: the page selectors and the close button.
#include <QAbstractButton>
#include <functional>

#include "ui/picture_book.h"

namespace tap::ui {

class PictureButton : public QAbstractButton {
public:
    PictureButton(const PictureBook& book, PictureId picture, QWidget* parent);
    void setPicture(PictureId picture);
    // Runs after the button has handled a mouse release over it.
    std::function<void()> onMouseUp;

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    const PictureBook& book_;
    PictureId picture_;
};

}  // namespace tap::ui
