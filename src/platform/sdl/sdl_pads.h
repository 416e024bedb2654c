#pragma once
#include <SDL.h>

#include <array>

#include "core/platform.h"

namespace tap::sdl {

// Game pads through SDL joysticks. Each pad keeps its joystick number (0-15) while it stays plugged in;
// a new pad takes the lowest free number. Read on the user-interface thread only.
class SdlPads : public GamePads {
public:
    SdlPads();
    ~SdlPads() override;
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    std::optional<std::uint32_t> buttons(int joystick) override;

private:
    void refresh();
    bool ready_ = false;
    std::array<SDL_Joystick*, 16> slots_{};
};

}  // namespace tap::sdl
