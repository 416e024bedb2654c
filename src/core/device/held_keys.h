#pragma once
// The keys the device window has seen go down and not yet up. While another window has the keyboard
// (a message box, a dialog, the menu) a key can be released unseen; when the keyboard comes back, the keys
// the platform no longer reports down get the releases they missed, and those still down stay held, so
// their repeats go on not counting.
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace tap {

class HeldKeys {
public:
    // `native` identifies the physical key to the platform (the key code the window system reported).
    void pressed(std::int16_t keyCode, std::uint32_t native);
    void released(std::int16_t keyCode);
    void keyboardLeft() { away_ = true; }
    bool away() const { return away_; }
    // The keyboard is back. `isDown` asks the platform about a key; nullopt when it cannot tell, which
    // counts as released. Returns the keys to release, in the order they went down.
    std::vector<std::int16_t> keyboardBack(const std::function<std::optional<bool>(std::uint32_t)>& isDown);

private:
    struct Held {
        std::int16_t keyCode;
        std::uint32_t native;
    };
    std::vector<Held> held_;
    bool away_ = false;
};

}  // namespace tap
