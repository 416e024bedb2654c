#include "core/appearance/secondary_windows.h"

namespace tap {

template <typename T>
void SecondaryWindows::set(SecondaryWindow w, T WindowModel::*field, T value) {
    T& slot = windows_[index(w)].*field;
    if (slot == value) return;  // views hear only of real changes: a run sets positions on every frame
    slot = std::move(value);
    if (onChange) onChange(w);
}

void SecondaryWindows::load(SecondaryWindow w) {
    set(w, &WindowModel::loaded, true);
}

void SecondaryWindows::show(SecondaryWindow w) {
    windows_[index(w)].loaded = true;
    set(w, &WindowModel::visible, true);
}

void SecondaryWindows::hide(SecondaryWindow w) {
    set(w, &WindowModel::visible, false);
}

void SecondaryWindows::hidePanels() {
    for (auto w : kPanelWindows) hide(w);
}

void SecondaryWindows::move(SecondaryWindow w, Point topLeft) {
    set(w, &WindowModel::pos, topLeft);
}

void SecondaryWindows::resize(SecondaryWindow w, Size size) {
    set(w, &WindowModel::size, size);
}

void SecondaryWindows::setPicture(SecondaryWindow w, WindowPicture picture) {
    set(w, &WindowModel::picture, std::move(picture));
}

void SecondaryWindows::setShape(SecondaryWindow w, Region shape) {
    set(w, &WindowModel::shape, std::optional<Region>(std::move(shape)));
}

}  // namespace tap
