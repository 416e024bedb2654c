#include "platform/qt/virtual_keys.h"

#include <array>
#include <utility>

#include "platform/qt/x11_key_codes.h"
#include "platform/qt/x11_keymap.h"

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

// Where the window system gives nothing better (tests' synthetic events, other platforms): Qt's key,
// which follows the layout's character.
std::int16_t virtualKeyOfQtKey(const QKeyEvent& e) {
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

}  // namespace

std::int16_t virtualKeyOf(const QKeyEvent& e) {
#ifdef Q_OS_WIN
    const auto vk = e.nativeVirtualKey();
    if (vk > 0 && vk < 255) return static_cast<std::int16_t>(vk);
#else
    if (e.nativeScanCode() != 0 && e.nativeVirtualKey() != 0) {
        // The X event's state carries the active layout group in bits 13 and 14.
        const int group = static_cast<int>(e.nativeModifiers() >> 13 & 3u);
        X11Key key{e.nativeScanCode(), e.nativeVirtualKey(), x11KeyLevels(e.nativeScanCode(), group)};
        return virtualKeyOfX11(key);
    }
#endif
    return virtualKeyOfQtKey(e);
}

}  // namespace tap::qt
