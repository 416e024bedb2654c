#include "core/keysetup/key_setup.h"

#include "core/device/device.h"
#include "core/keysetup/key_setup_dialog.h"

namespace tap {

KeySetup::KeySetup(Device& d) : d_(d) {}

KeySetup::~KeySetup() = default;

void KeySetup::open() {
    d_.pad.stop();
    d_.view.liftTopmost();
    if (!dialog_) {
        dialog_ = std::make_unique<KeySetupDialog>(d_);
        dialog_->Form_Load();
    }
    dialog_->Form_Activate();
    d_.p.dialogs.keySetup(*dialog_);
    // Closed by something other than its own buttons (the program ending): the poll runs on all the same.
    if (dialog_->visible()) dialog_->CancelButton_Click();
    d_.view.restoreTopmost();
}

}  // namespace tap
