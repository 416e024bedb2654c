#pragma once
#include <QKeyEvent>
#include <cstdint>

namespace tap::qt {

// The platform-neutral virtual-key code of a key event (letters 65-90, digits 48-57, keypad digits
// 96-105, F1-F12 112-123, ...), the same whatever the keyboard layout and whether Shift is held; 0 for a
// key that maps to nothing. On X11 from the key's position and its keysyms in the active layout, on
// Windows the native virtual key, elsewhere from Qt's key.
std::int16_t virtualKeyOf(const QKeyEvent& e);

}  // namespace tap::qt
