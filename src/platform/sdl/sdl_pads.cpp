#include "platform/sdl/sdl_pads.h"

#include <algorithm>

namespace tap::sdl {

SdlPads::SdlPads() {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
}

SdlPads::~SdlPads() {
    for (auto* j : slots_)
        if (j) SDL_JoystickClose(j);
    if (ready_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void SdlPads::refresh() {
    SDL_JoystickUpdate();
    // Drop pads that went away, then give newly plugged ones the lowest free numbers.
    for (auto*& j : slots_)
        if (j && !SDL_JoystickGetAttached(j)) {
            SDL_JoystickClose(j);
            j = nullptr;
        }
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
        const bool known = std::any_of(slots_.begin(), slots_.end(),
                                       [id](SDL_Joystick* j) { return j && SDL_JoystickInstanceID(j) == id; });
        if (known) continue;
        auto free = std::find(slots_.begin(), slots_.end(), nullptr);
        if (free == slots_.end()) break;
        *free = SDL_JoystickOpen(i);
    }
}

std::optional<std::uint32_t> SdlPads::buttons(int joystick) {
    if (!ready_ || joystick < 0 || joystick >= static_cast<int>(slots_.size())) return std::nullopt;
    if (joystick == 0) refresh();  // once per poll: the poll asks for joysticks 0 to 15 in turn
    SDL_Joystick* j = slots_[joystick];
    if (!j) return std::nullopt;
    std::uint32_t mask = 0;
    const int n = std::min(SDL_JoystickNumButtons(j), 32);
    for (int b = 0; b < n; ++b)
        if (SDL_JoystickGetButton(j, b)) mask |= 1u << b;
    return mask;
}

}  // namespace tap::sdl
