#pragma once
#include <SDL.h>

#include <array>
#include <vector>

#include "core/platform.h"

namespace tap::sdl {

// Game pads through SDL joysticks. Button edges come from SDL's joystick events, so a press and a
// release between two updates are both seen, in order; each is stamped with the clock reading of the
// update that took it in. Each pad keeps its joystick number (0-15) while it stays plugged in; a new pad
// takes the lowest free number. Updated and read on the user-interface thread only.
class SdlPads : public GamePads {
public:
    explicit SdlPads(Clock& clock);
    ~SdlPads() override;
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    void update() override;
    int attached() override;
    std::optional<PadReading> read(int joystick) override;
    std::string name(int joystick) override;

private:
    struct Slot {
        SDL_Joystick* joystick = nullptr;
        SDL_JoystickID id = -1;
        std::uint32_t buttons = 0;
        std::vector<PadEdge> edges;
    };
    // Pads that went away free their numbers, then new ones take the lowest free numbers.
    void replug();
    Slot* slotOf(SDL_JoystickID id);

    Clock& clock_;
    bool ready_ = false;
    std::array<Slot, 16> slots_{};
};

}  // namespace tap::sdl
