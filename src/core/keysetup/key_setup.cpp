#include "core/keysetup/key_setup.h"

#include "core/device/device.h"

namespace tap {

// The dialog itself comes with the key-assignment work; until then the assignment stays as loaded.
void KeySetup::open() { (void)d_; }

}  // namespace tap
