#pragma once
// The loader "ヴェルミンスキンセレクター": the preview in its frame, the banner and three buttons, laid
// out as the core's loader layout says. Modeless; closing it hides it and it keeps its state.
#include <QDialog>
#include <functional>

#include "core/appearance/secondary_windows.h"
#include "ui/picture_book.h"

namespace tap::ui {

class PicturePane;

class PanelLoaderWindow : public QDialog {
    Q_OBJECT
public:
    struct Actions {
        std::function<void()> load, clear, close;
    };
    PanelLoaderWindow(const PictureBook& book, QWidget* owner, Actions actions);

    void follow(const WindowModel& model);
    // Escape and the window's close button act like "閉じる".
    void reject() override;

private:
    Actions actions_;
    PicturePane* preview_;
};

}  // namespace tap::ui
