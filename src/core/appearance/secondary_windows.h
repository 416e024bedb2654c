#pragma once
// The small windows the device owns besides itself (the four panels, the explosion and bonus windows,
// the panel loader) as models: picture, position and size in screen pixels, visibility and shape. The
// views show them; the device only changes the models.
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/appearance/pictures.h"
#include "core/appearance/region.h"
#include "core/geometry.h"
#include "core/platform.h"

namespace tap {

enum class SecondaryWindow {
    VELMIN_1,
    VELMIN_2,
    VELMIN_3,
    VELMIN_4,
    EXPROSE,
    EXPROSE2,
    s80000,
    velmin,
    Count
};

constexpr std::array<SecondaryWindow, 4> kPanelWindows = {
    SecondaryWindow::VELMIN_1, SecondaryWindow::VELMIN_2, SecondaryWindow::VELMIN_3,
    SecondaryWindow::VELMIN_4};

// One of our pictures, or a picture the user chose, which is shown instead when present.
struct WindowPicture {
    PictureId id;
    std::shared_ptr<const UserPicture> user;
    friend bool operator==(const WindowPicture&, const WindowPicture&) = default;
};

struct WindowModel {
    bool loaded = false;
    bool visible = false;
    Point pos;
    Size size;
    WindowPicture picture;
    std::optional<Region> shape;  // none: the whole window
};

class SecondaryWindows {
public:
    const WindowModel& operator[](SecondaryWindow w) const { return windows_[index(w)]; }
    bool loaded(SecondaryWindow w) const { return (*this)[w].loaded; }
    bool visible(SecondaryWindow w) const { return (*this)[w].visible; }

    void load(SecondaryWindow w);
    // Showing loads a window that is not loaded yet.
    void show(SecondaryWindow w);
    void hide(SecondaryWindow w);
    void hidePanels();
    void move(SecondaryWindow w, Point topLeft);
    void resize(SecondaryWindow w, Size size);
    void setPicture(SecondaryWindow w, WindowPicture picture);
    void setShape(SecondaryWindow w, Region shape);

    // Called after a window's model changed, so its view can follow.
    std::function<void(SecondaryWindow)> onChange;

private:
    static constexpr int index(SecondaryWindow w) { return static_cast<int>(w); }
    template <typename T>
    void set(SecondaryWindow w, T WindowModel::*field, T value);
    std::array<WindowModel, static_cast<int>(SecondaryWindow::Count)> windows_{};
};

}  // namespace tap
