#pragma once
// An SDL virtual pad with sixteen buttons, plugged in for as long as it lives (SDL's joysticks must be
// initialised, as SdlPads does). Its buttons may be set from any thread.
#include <SDL.h>

namespace tap::sim {

class VirtualPad {
public:
    explicit VirtualPad(const char* name) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.nbuttons = 16;
        desc.name = name;
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index < 0) return;
        id_ = SDL_JoystickGetDeviceInstanceID(index);
        handle_ = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { unplug(); }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool plugged() const { return handle_ != nullptr; }
    void set(int button, bool down) { SDL_JoystickSetVirtualButton(handle_, button, down ? 1 : 0); }
    // The button as SDL last took it in.
    bool down(int button) const { return SDL_JoystickGetButton(handle_, button) != 0; }
    void unplug() {
        if (!handle_) return;
        SDL_JoystickClose(handle_);
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id_) SDL_JoystickDetachVirtual(i);
        handle_ = nullptr;
    }

private:
    SDL_JoystickID id_ = -1;
    SDL_Joystick* handle_ = nullptr;
};

}  // namespace tap::sim
