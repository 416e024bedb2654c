#include "ui/game_windows.h"

namespace tap::ui {

namespace {
const char* const kTitles[] = {"VELMIN_1", "VELMIN_2", "VELMIN_3", "VELMIN_4",
                               "EXPROSE",  "EXPROSE2", "s80000"};
}  // namespace

GameWindows::GameWindows(Device& device, const PictureBook& book, DeviceWindow& owner) : device_(device) {
    auto guardedly = [&owner](void (PanelPictures::*handler)(), PanelPictures& panels) {
        return [&owner, &panels, handler] { owner.guarded([&] { (panels.*handler)(); }); };
    };
    auto& panels = device.panels;
    for (std::size_t i = 0; i < windows_.size(); ++i)
        windows_[i] =
            std::make_unique<GameWindow>(book, &owner, QStringLiteral("Tapriko++ %1").arg(kTitles[i]));
    for (auto w : kPanelWindows) window(w).onDoubleClick = guardedly(&PanelPictures::Image1_DblClick, panels);
    loader_ = std::make_unique<PanelLoaderWindow>(
        book, &owner,
        PanelLoaderWindow::Actions{guardedly(&PanelPictures::Command1_Click, panels),
                                   guardedly(&PanelPictures::Command2_Click, panels),
                                   guardedly(&PanelPictures::Command3_Click, panels)});
    device.windows.onChange = [this](SecondaryWindow w) { follow(w); };
    for (int i = 0; i < static_cast<int>(SecondaryWindow::Count); ++i)
        follow(static_cast<SecondaryWindow>(i));
}

GameWindows::~GameWindows() {
    device_.windows.onChange = nullptr;
}

void GameWindows::follow(SecondaryWindow w) {
    const WindowModel& m = device_.windows[w];
    if (w == SecondaryWindow::velmin)
        loader_->follow(m);
    else
        window(w).follow(m);
}

}  // namespace tap::ui
