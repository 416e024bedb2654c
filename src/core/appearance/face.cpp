#include "core/appearance/face.h"

#include <algorithm>
#include <utility>

namespace tap {

namespace {
constexpr std::array<const char*, kElementCount> kNames = {
    "Image4",        "Image3",        "Image2",         "Image_back",   "A_button",
    "A_button_on_skin34", "B_button", "B_button_on_skin34", "start_button", "start_button_on_skin4",
    "select_button", "select_button_on_skin4", "ss_button_push", "ss_button_push2", "B_button_press",
    "A_button_press", "alarm_icon",   "Image1",         "mode",         "dot",
    "t01",           "t10",           "s0001",          "s0010",        "s0100",
    "s1000",         "Paneru"};
}  // namespace

const char* elementName(El e) { return kNames[static_cast<int>(e)]; }

Face::Face() = default;

namespace {
Rect unite(const Rect& a, const Rect& b) {
    if (a.width() <= 0 || a.height() <= 0) return b;
    if (b.width() <= 0 || b.height() <= 0) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}
}  // namespace

void Face::changed(El e, const Rect& before) {
    if (onChange) onChange(unite(before, drawnRect(e)));
}

void Face::setPicture(El e, PictureId pic) {
    auto& el = elements_[index(e)];
    if (el.picture == pic) return;
    const Rect before = drawnRect(e);
    el.picture = pic;
    changed(e, before);
}

void Face::setVisible(El e, bool visible) {
    auto& el = elements_[index(e)];
    if (el.visible == visible) return;
    const Rect before = drawnRect(e);
    el.visible = visible;
    changed(e, before);
}

void Face::setPos(El e, Point pos) {
    auto& el = elements_[index(e)];
    if (el.pos == pos) return;
    const Rect before = drawnRect(e);
    el.pos = pos;
    changed(e, before);
}

void Face::setLeft(El e, int left) { setPos(e, {left, (*this)[e].pos.y}); }

void Face::setSize(El e, Size size) {
    auto& el = elements_[index(e)];
    if (el.size == size) return;
    const Rect before = drawnRect(e);
    el.size = size;
    changed(e, before);
}

void Face::setCursor(El e, CursorShape cursor) {
    auto& el = elements_[index(e)];
    if (el.cursor == cursor) return;
    const Rect before = drawnRect(e);
    el.cursor = cursor;
    changed(e, before);
}

void Face::setToolTip(El e, std::string text) { elements_[index(e)].toolTip = std::move(text); }

Rect Face::rect(El e) const {
    const auto& el = (*this)[e];
    const Size s = (el.size.width > 0 || el.size.height > 0) ? el.size : pictureSize(el.picture);
    return {el.pos.x, el.pos.y, el.pos.x + s.width, el.pos.y + s.height};
}

Rect Face::drawnRect(El e) const {
    const auto& el = (*this)[e];
    if (el.picture.isNone()) return {};
    const Size s = pictureSize(el.picture);
    return {el.pos.x, el.pos.y, el.pos.x + s.width, el.pos.y + s.height};
}

std::optional<El> Face::hitTest(Point p) const {
    for (int i = 0; i < kElementCount; ++i) {
        const El e = static_cast<El>(i);
        if (elements_[i].visible && rect(e).contains(p)) return e;
    }
    return std::nullopt;
}

}  // namespace tap
