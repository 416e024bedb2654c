#pragma once
// The key and pad assignment dialog.

namespace tap {

class Device;

class KeySetup {
public:
    explicit KeySetup(Device& d) : d_(d) {}

    // The KEYSETUP menu item.
    void open();

private:
    Device& d_;
};

}  // namespace tap
