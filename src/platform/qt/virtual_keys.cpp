#include "platform/qt/virtual_keys.h"

#include <array>
#include <utility>

namespace tap::qt {

namespace {
// Keys outside the letter, digit and function-key ranges.
constexpr std::array<std::pair<int, std::int16_t>, 22> kNamedKeys = {{
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Return, 13}, {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},    {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},   {Qt::Key_Pause, 19},
    {Qt::Key_CapsLock, 20}, {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},  {Qt::Key_PageUp, 33},
    {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},   {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},   {Qt::Key_Insert, 45},
    {Qt::Key_Delete, 46},   {Qt::Key_Comma, 188},
}};
}  // namespace

std::int16_t virtualKeyOf(const QKeyEvent& e) {
    const int k = e.key();
    const bool keypad = e.modifiers().testFlag(Qt::KeypadModifier);
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return static_cast<std::int16_t>(65 + (k - Qt::Key_A));
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return static_cast<std::int16_t>((keypad ? 96 : 48) + (k - Qt::Key_0));
    if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return static_cast<std::int16_t>(112 + (k - Qt::Key_F1));
    if (keypad) {
        switch (k) {
            case Qt::Key_Asterisk: return 106;
            case Qt::Key_Plus: return 107;
            case Qt::Key_Minus: return 109;
            case Qt::Key_Period: return 110;
            case Qt::Key_Slash: return 111;
            default: break;
        }
    }
    for (const auto& [qtKey, vk] : kNamedKeys)
        if (qtKey == k) return vk;
    return 0;
}

int qtKeyOf(std::int16_t vk) {
    if (vk >= 65 && vk <= 90) return Qt::Key_A + (vk - 65);
    if (vk >= 48 && vk <= 57) return Qt::Key_0 + (vk - 48);
    if (vk >= 96 && vk <= 105) return Qt::Key_0 + (vk - 96);
    if (vk >= 112 && vk <= 123) return Qt::Key_F1 + (vk - 112);
    for (const auto& [qtKey, code] : kNamedKeys)
        if (code == vk) return qtKey;
    return 0;
}

}  // namespace tap::qt
