#pragma once
// The only place where face buttons act: every key-down and key-up of the device ends here.
#include <cstdint>

namespace tap {

class Device;

class Dispatcher {
public:
    explicit Dispatcher(Device& d) : d_(d) {}

    void Form_KeyDown(std::int16_t keyCode, int shift = 0);
    void Form_KeyUp(std::int16_t keyCode, int shift = 0);

private:
    enum class Button { B, A };
    void startPressed();
    void bPressed();
    void aPressed();
    void registerPress(Button b);
    void countPress(Button b);
    Device& d_;
};

}  // namespace tap
