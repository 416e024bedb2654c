#pragma once
// The views of the device's secondary windows: the four panels, the two explosion windows, the bonus
// and the panel loader, each following its model in the core.
#include <array>
#include <memory>

#include "core/device/device.h"
#include "ui/device_window.h"
#include "ui/game_window.h"
#include "ui/panel_loader_window.h"

namespace tap::ui {

class GameWindows {
public:
    GameWindows(Device& device, const PictureBook& book, DeviceWindow& owner);
    ~GameWindows();
    GameWindows(const GameWindows&) = delete;
    GameWindows& operator=(const GameWindows&) = delete;

    GameWindow& window(SecondaryWindow w) { return *windows_[static_cast<std::size_t>(w)]; }
    PanelLoaderWindow& loader() { return *loader_; }

private:
    void follow(SecondaryWindow w);
    Device& device_;
    std::array<std::unique_ptr<GameWindow>, static_cast<std::size_t>(SecondaryWindow::velmin)> windows_;
    std::unique_ptr<PanelLoaderWindow> loader_;
};

}  // namespace tap::ui
