#pragma once
#include <QTimer>
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "core/platform.h"

namespace tap::sdl {

// The device's beep: a short synthesised tone through SDL audio. Without an audio device it falls back
// to the desktop's own beep, so a machine without sound neither errors nor waits. Sound is opened for
// the first beep and closed again a little after the last: an open audio device keeps a thread playing
// silence all the time, which would cost more than the idle device itself.
class SdlSound : public Sound {
public:
    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    void beep() override;

private:
    bool open();
    void close();
    SDL_AudioDeviceID device_ = 0;
    bool openFailed_ = false;
    std::vector<std::int16_t> tone_;
    QTimer closeTimer_;
};

}  // namespace tap::sdl
