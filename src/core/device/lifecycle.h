#pragma once
// Start-up and shutdown of the device window.
#include <cstdint>
#include <string>

namespace tap {

class Device;

// Who asked the program to end. A user who quit can be shown a message; a signal or the end of the
// session cannot wait for one.
enum class ShutdownBy { User, System };

class Lifecycle {
public:
    explicit Lifecycle(Device& d) : d_(d) {}

    // The start-up sequence. False when start-up failed and the program has been ended.
    bool Form_Load();
    void Form_Activate();
    // Cancel 2 writes the factory settings instead of the current ones. Always ends the program, also
    // when the settings cannot be written: then the user is told (ShutdownBy::User) or saveFailure()
    // says why, and the exit code is 1.
    void Form_Unload(std::int16_t cancel, ShutdownBy by = ShutdownBy::User);
    void DefaltVar();

    // Enters the stored mode with the start-up's SELECT, from the event loop once the window is up. An
    // error before the mode's loop is running is still a start-up failure and ends the program that way.
    void enterStoredMode();
    // Called on every pass of a mode loop: from the first on, the stored mode has been entered.
    void loopRunning() { enteringStoredMode_ = false; }

    // The exit code the program ends with.
    int exitCode() const { return exitCode_; }
    // Why the last save failed (the file and the reason); empty when it worked.
    const std::string& saveFailure() const { return saveFailure_; }

private:
    void startUpFailed(const std::string& why);
    Device& d_;
    int exitCode_ = 0;
    std::string saveFailure_;
    bool enteringStoredMode_ = false;
};

}  // namespace tap
