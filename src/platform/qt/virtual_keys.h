#pragma once
#include <QKeyEvent>
#include <cstdint>

namespace tap::qt {

// The platform-neutral virtual-key code of a key event (letters 65-90, digits 48-57, keypad digits
// 96-105, F1-F12 112-123, ...); 0 for a key that maps to nothing.
std::int16_t virtualKeyOf(const QKeyEvent& e);
// The Qt key for a virtual-key code, for showing and for synthesising key events.
int qtKeyOf(std::int16_t vk);

}  // namespace tap::qt
