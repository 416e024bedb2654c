#pragma once
// Virtual-key codes of X11 keys, independent of the keyboard layout. A pure function of what the X
// server says about a key, so that it can be checked for any layout without one.
#include <array>
#include <cstdint>

namespace tap::qt {

struct X11Key {
    std::uint32_t keycode = 0;                // the key's position (evdev code + 8)
    std::uint32_t eventSym = 0;               // the keysym the event carries (with the modifiers in effect)
    std::array<std::uint32_t, 2> levels{};   // the key's unshifted and shifted keysyms in the active layout
};

// A key that gives a Latin letter or digit in the active layout has that letter's or digit's code, shifted
// or not; keypad, function, editing and modifier keys have their own codes; an ASCII punctuation key its
// punctuation code; any other key (Cyrillic, Greek, accented letters, dead keys) the code of the key at
// the same position on a US layout. 0 for a key that maps to nothing.
std::int16_t virtualKeyOfX11(const X11Key& key);

}  // namespace tap::qt
