#include "core/device/onscreen_buttons.h"

#include <optional>

#include "core/device/device.h"

namespace tap {

namespace {

enum class Face { A, B, Select, Start };

struct ButtonInfo {
    Face face;
    std::optional<El> pressedPicture;  // the skin variants have none
};

std::optional<ButtonInfo> infoOf(El e) {
    switch (e) {
        case El::A_button: return ButtonInfo{Face::A, El::A_button_press};
        case El::A_button_on_skin34: return ButtonInfo{Face::A, std::nullopt};
        case El::B_button: return ButtonInfo{Face::B, El::B_button_press};
        case El::B_button_on_skin34: return ButtonInfo{Face::B, std::nullopt};
        case El::select_button: return ButtonInfo{Face::Select, El::ss_button_push};
        case El::select_button_on_skin4: return ButtonInfo{Face::Select, std::nullopt};
        case El::start_button: return ButtonInfo{Face::Start, El::ss_button_push2};
        case El::start_button_on_skin4: return ButtonInfo{Face::Start, std::nullopt};
        default: return std::nullopt;
    }
}

bool holdsWhilePressed(Face f) { return f == Face::A || f == Face::B; }

}  // namespace

bool OnScreenButtons::isButton(El e) { return infoOf(e).has_value(); }

namespace {
std::int16_t keyOf(const KeyAssignment& k, Face f) {
    switch (f) {
        case Face::A: return k.keyCodeA;
        case Face::B: return k.keyCodeB;
        case Face::Select: return k.keyCodeSelect;
        case Face::Start: return k.keyCodeStart;
    }
    return 0;
}
}  // namespace

void OnScreenButtons::mouseDown(El e, int button) {
    const InputFrom from(d_.recorder, InputSource::mouse());
    const auto info = infoOf(e);
    if (!info) return;
    auto showPressed = [&](bool on) {
        if (info->pressedPicture && d_.s.skinNo != 4) d_.face.setVisible(*info->pressedPicture, on);
    };
    if (holdsWhilePressed(info->face)) {
        d_.s.lastMouseButton = static_cast<i16>(button);
        if (button != kLeftButton) return;
        d_.face.setCursor(e, CursorShape::FingerPressed);
        showPressed(true);
        d_.dispatcher.Form_KeyDown(keyOf(d_.s.keys, info->face), 0);
    } else {
        // SELECT and START act on click; the press only shows.
        d_.face.setCursor(e, CursorShape::FingerPressed);
        showPressed(true);
    }
}

void OnScreenButtons::mouseUp(El e, int button) {
    const InputFrom from(d_.recorder, InputSource::mouse());
    const auto info = infoOf(e);
    if (!info) return;
    if (holdsWhilePressed(info->face) && button != kLeftButton) return;
    d_.face.setCursor(e, CursorShape::FingerNormal);
    if (info->pressedPicture && d_.s.skinNo != 4) d_.face.setVisible(*info->pressedPicture, false);
    if (holdsWhilePressed(info->face)) d_.dispatcher.Form_KeyUp(keyOf(d_.s.keys, info->face), 0);
}

void OnScreenButtons::click(El e) {
    const InputFrom from(d_.recorder, InputSource::mouse());
    const auto info = infoOf(e);
    if (!info || holdsWhilePressed(info->face)) return;
    d_.dispatcher.Form_KeyDown(keyOf(d_.s.keys, info->face), 0);
}

void OnScreenButtons::doubleClick(El e) {
    const InputFrom from(d_.recorder, InputSource::mouse());
    const auto info = infoOf(e);
    if (!info) return;
    if (holdsWhilePressed(info->face) && d_.s.lastMouseButton != kLeftButton) return;
    d_.face.setCursor(e, CursorShape::FingerPressed);
    d_.dispatcher.Form_KeyDown(keyOf(d_.s.keys, info->face), 0);
}

}  // namespace tap
