#pragma once
// Start-up and shutdown of the device window.
#include <cstdint>

namespace tap {

class Device;

class Lifecycle {
public:
    explicit Lifecycle(Device& d) : d_(d) {}

    // The start-up sequence. False when start-up failed and the program has been ended.
    bool Form_Load();
    void Form_Activate();
    // Cancel 2 writes the factory settings instead of the current ones.
    void Form_Unload(std::int16_t cancel);
    void DefaltVar();

    // The exit code the program ends with.
    int exitCode() const { return exitCode_; }

private:
    Device& d_;
    int exitCode_ = 0;
};

}  // namespace tap
