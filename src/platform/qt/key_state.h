#pragma once
#include <QKeyEvent>
#include <cstdint>
#include <optional>

namespace tap::qt {

// What identifies a key event's physical key to isKeyDown: the X key code, or the Windows virtual key.
std::uint32_t nativeKeyOf(const QKeyEvent& e);
// Whether the physical key is down right now; nullopt where the platform cannot tell.
std::optional<bool> isKeyDown(std::uint32_t nativeKey);

}  // namespace tap::qt
