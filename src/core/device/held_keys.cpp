#include "core/device/held_keys.h"

#include <algorithm>

namespace tap {

void HeldKeys::pressed(std::int16_t keyCode, std::uint32_t native) {
    const bool known = std::any_of(held_.begin(), held_.end(), [keyCode](const Held& h) { return h.keyCode == keyCode; });
    if (!known) held_.push_back({keyCode, native});
}

void HeldKeys::released(std::int16_t keyCode) {
    std::erase_if(held_, [keyCode](const Held& h) { return h.keyCode == keyCode; });
}

std::vector<std::int16_t> HeldKeys::keyboardBack(const std::function<std::optional<bool>(std::uint32_t)>& isDown) {
    away_ = false;
    std::vector<std::int16_t> missed;
    for (const auto& h : held_)
        if (!isDown(h.native).value_or(false)) missed.push_back(h.keyCode);
    for (auto k : missed) released(k);
    return missed;
}

}  // namespace tap
