#pragma once
// A device on the simulated platform with the vocabulary of a user's actions.
#include <string>

#include "core/device/device.h"
#include "tests/support/sim_platform.h"

namespace tap::sim {

// Virtual-key codes used in scenarios.
inline constexpr std::int16_t VK_A = 65, VK_B = 66, VK_C = 67, VK_S = 83, VK_V = 86, VK_X = 88, VK_Z = 90;

struct Scenario {
    SimPlatform sim;
    Device dev{sim.platform()};

    // Seed a stored value before start-up.
    void stored(const char* section, const char* key, const std::string& value) {
        sim.store[std::string(section) + "/" + key] = value;
    }
    std::string storedValue(const char* section, const char* key) const {
        return sim.value(section, key).value_or("<absent>");
    }

    // Start-up and the start-up's SELECT, as the event loop would deliver it.
    bool start();
    // Start-up in a stored mode, with a stored best record that unlocks it.
    bool startIn(int mode, int record);

    // Face buttons with the first-run keys (SELECT Z, START X, B C, A V).
    void keyDown(std::int16_t vk) { dev.dispatcher.Form_KeyDown(vk, 0); }
    void keyUp(std::int16_t vk) { dev.dispatcher.Form_KeyUp(vk, 0); }
    void tap(std::int16_t vk) {
        keyDown(vk);
        keyUp(vk);
    }
    void select() { tap(dev.s.keys.keyCodeSelect); }
    void startButton() { tap(dev.s.keys.keyCodeStart); }
    // Presses at virtual times `at` (ms since the simulation began), each released `holdMs` later.
    void pressAt(double at, std::int16_t vk, double holdMs = 5);
    // Pad button `code` (joystick × 100 + button) going down or up at `at`, or pressed and released
    // `holdMs` later; the pad must be plugged in.
    void padDownAt(double at, int code);
    void padUpAt(double at, int code);
    void padPressAt(double at, int code, double holdMs = 5) {
        padDownAt(at, code);
        padUpAt(at + holdMs, code);
    }

    // The digits as a user reads them: large positions then small ones, "_" blank, " " hidden,
    // "k"/"K" the koro glyphs, digits as digits. E.g. "_120|_0".
    std::string display() const;
    // The picture index a digit position shows.
    int shownIndex(El e) const { return dev.face.picture(e).index; }
};

}  // namespace tap::sim
