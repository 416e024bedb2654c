#include "ui/panel_loader_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "core/appearance/panel_pictures.h"
#include "ui/window_picture.h"

namespace tap::ui {

namespace {
QRect rectOf(const Rect& r) {
    return {r.left, r.top, r.width(), r.height()};
}
}  // namespace

// The preview: the chosen picture from its top-left corner, cut to the panels' size.
class PicturePane : public QWidget {
public:
    PicturePane(const PictureBook& book, QWidget* parent) : QWidget(parent), book_(book) {}
    void show(const WindowPicture& picture) {
        if (picture == picture_) return;
        picture_ = picture;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paintWindowPicture(p, picture_, book_, size());
    }

private:
    const PictureBook& book_;
    WindowPicture picture_;
};

PanelLoaderWindow::PanelLoaderWindow(const PictureBook& book, QWidget* owner, Actions actions)
    : QDialog(owner), actions_(std::move(actions)) {
    setWindowTitle(QString::fromUtf8(loader::kCaption));
    setModal(false);
    setFixedSize(loader::kClient.width, loader::kClient.height);
    auto* frame = new QGroupBox(this);
    frame->setGeometry(rectOf(loader::kFrame));
    preview_ = new PicturePane(book, frame);
    preview_->setGeometry(rectOf(loader::kPreviewInFrame));
    auto* banner = new QLabel(this);
    banner->setGeometry(rectOf(loader::kBanner));
    banner->setPixmap(book.pixmap({PicTable::Game, pics::LoaderBanner}));
    const std::pair<const char*, Rect> buttons[] = {
        {loader::kLoadText, loader::kLoadButton},
        {loader::kClearText, loader::kClearButton},
        {loader::kCloseText, loader::kCloseButton},
    };
    const std::function<void()>* handlers[] = {&actions_.load, &actions_.clear, &actions_.close};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QPushButton(QString::fromUtf8(buttons[i].first), this);
        b->setGeometry(rectOf(buttons[i].second));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [h = handlers[i]] { (*h)(); });
    }
}

void PanelLoaderWindow::follow(const WindowModel& m) {
    preview_->show(m.picture);
    if (m.visible == isVisible()) return;
    if (m.visible) {
        show();
        raise();
        activateWindow();
    } else {
        hide();
    }
}

void PanelLoaderWindow::reject() {
    actions_.close();
}

}  // namespace tap::ui
