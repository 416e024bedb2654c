#pragma once
// Mode 4: the explosion reflex game.

namespace tap {

class Device;

class ExplosionGame {
public:
    explicit ExplosionGame(Device& d) : d_(d) {}

    void enterMode();
    void run();

private:
    Device& d_;
};

}  // namespace tap
