#include "platform/sdl/sdl_pads.h"

#include <algorithm>

namespace tap::sdl {

namespace {
// Edges kept per pad until it is read; beyond that the oldest go, the button state stays right.
constexpr std::size_t kMaxEdges = 1024;
}  // namespace

SdlPads::SdlPads(Clock& clock) : clock_(clock) {
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ready_ = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
    if (!ready_) return;
    // Only buttons and plugging are read; sticks and hats would only fill the queue.
    for (Uint32 type : {SDL_JOYAXISMOTION, SDL_JOYBALLMOTION, SDL_JOYHATMOTION, SDL_JOYBATTERYUPDATED})
        SDL_EventState(type, SDL_IGNORE);
    replug();
}

SdlPads::~SdlPads() {
    for (auto& slot : slots_)
        if (slot.joystick) SDL_JoystickClose(slot.joystick);
    if (ready_) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

SdlPads::Slot* SdlPads::slotOf(SDL_JoystickID id) {
    const auto it = std::find_if(slots_.begin(), slots_.end(), [id](const Slot& s) { return s.joystick && s.id == id; });
    return it == slots_.end() ? nullptr : &*it;
}

void SdlPads::replug() {
    for (auto& slot : slots_)
        if (slot.joystick && !SDL_JoystickGetAttached(slot.joystick)) {
            SDL_JoystickClose(slot.joystick);
            slot = Slot{};
        }
    const int count = SDL_NumJoysticks();
    for (int i = 0; i < count; ++i) {
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
        if (slotOf(id)) continue;
        const auto free = std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.joystick; });
        if (free == slots_.end()) break;
        SDL_Joystick* j = SDL_JoystickOpen(i);
        if (!j) continue;
        free->joystick = j;
        free->id = SDL_JoystickInstanceID(j);
        for (int b = 0, n = std::min(SDL_JoystickNumButtons(j), 32); b < n; ++b)
            if (SDL_JoystickGetButton(j, b)) free->buttons |= 1u << b;
    }
}

void SdlPads::update() {
    if (!ready_) return;
    SDL_JoystickUpdate();
    const Millis now = clock_.tickNow();
    SDL_Event events[64];
    for (;;) {
        const int n = SDL_PeepEvents(events, 64, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
        if (n <= 0) break;
        for (int e = 0; e < n; ++e) {
            const SDL_Event& ev = events[e];
            if (ev.type == SDL_JOYDEVICEADDED || ev.type == SDL_JOYDEVICEREMOVED) {
                replug();  // at once, so that the button events after it find their pad
                continue;
            }
            if (ev.type != SDL_JOYBUTTONDOWN && ev.type != SDL_JOYBUTTONUP) continue;
            Slot* slot = slotOf(ev.jbutton.which);
            if (!slot || ev.jbutton.button >= 32) continue;
            const bool down = ev.jbutton.state == SDL_PRESSED;
            const std::uint32_t bit = 1u << ev.jbutton.button;
            slot->buttons = down ? slot->buttons | bit : slot->buttons & ~bit;
            if (slot->edges.size() >= kMaxEdges) slot->edges.erase(slot->edges.begin());
            slot->edges.push_back({ev.jbutton.button, down, now});
        }
    }
}

int SdlPads::attached() {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.joystick; }));
}

std::optional<PadReading> SdlPads::read(int joystick) {
    if (joystick < 0 || joystick >= static_cast<int>(slots_.size())) return std::nullopt;
    Slot& slot = slots_[joystick];
    if (!slot.joystick) return std::nullopt;
    PadReading r{slot.buttons, {}};
    r.edges.swap(slot.edges);
    return r;
}

std::string SdlPads::name(int joystick) {
    if (joystick < 0 || joystick >= static_cast<int>(slots_.size()) || !slots_[joystick].joystick) return {};
    const char* n = SDL_JoystickName(slots_[joystick].joystick);
    return n ? n : "";
}

}  // namespace tap::sdl
