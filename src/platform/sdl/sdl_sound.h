#pragma once
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "core/platform.h"

namespace tap::sdl {

// The device's beep: a short synthesised tone through SDL audio. Without an audio device it falls back
// to the desktop's own beep, so a machine without sound neither errors nor waits.
class SdlSound : public Sound {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void beep() override;

private:
    bool audioReady_ = false;
    SDL_AudioDeviceID device_ = 0;
    std::vector<std::int16_t> tone_;
};

}  // namespace tap::sdl
