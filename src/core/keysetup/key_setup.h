#pragma once
// The KEYSETUP menu item: the key and pad assignment dialog over the device, with the device's pad poll
// stopped and its always-on-top layer lifted while it is open.
#include <memory>

namespace tap {

class Device;
class KeySetupDialog;

class KeySetup {
public:
    explicit KeySetup(Device& d);
    ~KeySetup();
    KeySetup(const KeySetup&) = delete;
    KeySetup& operator=(const KeySetup&) = delete;

    void open();
    // The dialog once it has been opened: closing hides it, a later opening shows the same one.
    KeySetupDialog* dialog() const { return dialog_.get(); }

private:
    Device& d_;
    std::unique_ptr<KeySetupDialog> dialog_;
};

}  // namespace tap
