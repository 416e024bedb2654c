#pragma once
#include <array>
#include <cstdint>

namespace tap::qt {

// The unshifted and shifted keysyms of X key `keycode` in layout group `group`, from the X server's
// keyboard map (read again whenever the server says it has changed); zeros when unknown or not on X11.
std::array<std::uint32_t, 2> x11KeyLevels(std::uint32_t keycode, int group);

}  // namespace tap::qt
