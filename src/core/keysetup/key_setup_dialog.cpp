#include "core/keysetup/key_setup_dialog.h"

#include "core/device/device.h"
#include "core/keysetup/key_names.h"

namespace tap {

namespace {

// The leader line of each slot on Picture1, from the label side to the controller's button.
std::vector<LeaderLine> leaderLineOf(int slot) {
    switch (slot) {
        case 1: return {{{0, 12}, {76, 12}}, {{76, 12}, {76, 108}}};
        case 2: return {{{0, 60}, {111, 60}}, {{111, 60}, {111, 108}}};
        case 3: return {{{0, 108}, {162, 108}}};
        case 4: return {{{0, 156}, {198, 156}}, {{198, 156}, {198, 108}}};
        default: return {};
    }
}

template <typename T>
bool anyTwoEqual(const std::array<T, 4>& v) {
    for (std::size_t i = 0; i < v.size(); ++i)
        for (std::size_t k = i + 1; k < v.size(); ++k)
            if (v[i] == v[k]) return true;
    return false;
}

}  // namespace

KeySetupDialog::KeySetupDialog(Device& d) : d_(d) {
    Timer1 = d_.p.timers.createTimer([this] { Timer1_Timer(); });
}

KeySetupDialog::~KeySetupDialog() = default;

i16& KeySetupDialog::dlgKey(int slot) {
    switch (slot) {
        case 1: return dlgKeySelect;
        case 2: return dlgKeyStart;
        case 3: return dlgKeyB;
        default: return dlgKeyA;
    }
}

i16& KeySetupDialog::dlgPad(int slot) {
    switch (slot) {
        case 1: return dlgPadSelect;
        case 2: return dlgPadStart;
        case 3: return dlgPadB;
        default: return dlgPadA;
    }
}

void KeySetupDialog::changed() {
    if (onChange) onChange();
}

void KeySetupDialog::Form_Load() {
    d_.p.pads.update();
    tester_.update(scanPads(d_.p.pads), d_.p.pads);
    updatePadStatus();
    padButtonDown = 0;
    keyLatch = 0;
    padTabActive = 0;
}

void KeySetupDialog::updatePadStatus() {
    const auto n = tester_.pads().size();
    padStatus_ = n > 0 ? std::to_string(n) + kPadsSuffix : kNoPads;
}

void KeySetupDialog::Form_Activate() {
    Timer1->setInterval(kTimer1Ms);
    const auto& k = d_.s.keys;
    dlgKeySelect = k.keyCodeSelect;
    dlgKeyStart = k.keyCodeStart;
    dlgKeyB = k.keyCodeB;
    dlgKeyA = k.keyCodeA;
    dlgPadSelect = k.padButtonSelect;
    dlgPadStart = k.padButtonStart;
    dlgPadB = k.padButtonB;
    dlgPadA = k.padButtonA;
    refreshCaptions();
    waitingKeySlot = waitingPadSlot = 0;
    for (int slot = 1; slot <= 4; ++slot) keyLabels_[slot].colour = padLabels_[slot].colour = LabelColour::ButtonFace;
    picture1_.clear();
    visible_ = true;
    changed();
}

void KeySetupDialog::refreshCaptions() {
    for (int slot = 1; slot <= 4; ++slot) {
        keyLabels_[slot].caption = KeyName(dlgKey(slot));
        padLabels_[slot].caption = PadButtonName(dlgPad(slot));
    }
}

void KeySetupDialog::TabStrip1_Click(int tab) {
    picture1_.clear();
    const bool pad = tab == 2;
    // The other tab's capture ends; its labels go back to the button face.
    (pad ? waitingKeySlot : waitingPadSlot) = 0;
    for (auto& label : pad ? keyLabels_ : padLabels_) label.colour = LabelColour::ButtonFace;
    padTabActive = pad ? 1 : 0;
    changed();
}

void KeySetupDialog::keyLabelClick(int slot) { labelClick(keyLabels_, waitingKeySlot, slot); }

void KeySetupDialog::padLabelClick(int slot) { labelClick(padLabels_, waitingPadSlot, slot); }

void KeySetupDialog::labelClick(std::array<AssignLabel, 5>& labels, i16& waiting, int slot) {
    if (slot < 1 || slot > 4) return;
    if (waiting == slot) {
        // A second click on the waiting label gives up waiting.
        picture1_.clear();
        labels[slot].colour = LabelColour::ButtonFace;
        waiting = 0;
    } else {
        waiting = static_cast<i16>(slot);
        for (int k = 1; k <= 4; ++k) labels[k].colour = k == slot ? LabelColour::Waiting : LabelColour::ButtonFace;
        drawLeaderLine(slot);
    }
    changed();
}

void KeySetupDialog::drawLeaderLine(int slot) { picture1_ = leaderLineOf(slot); }

void KeySetupDialog::assign(std::array<AssignLabel, 5>& labels, i16& waiting, i16& value, int slot, i16 code,
                            std::string caption) {
    value = code;
    labels[slot].caption = std::move(caption);
    if (slot < 4) {
        labelClick(labels, waiting, slot + 1);
        return;
    }
    waiting = 0;
    labels[4].colour = LabelColour::ButtonFace;
    picture1_.clear();
    changed();
}

void KeySetupDialog::Form_KeyDown(i16 keyCode) {
    if (padTabActive == 1 || keyLatch == 1) return;
    keyLatch = 1;  // one assignment per physical press: the key's repeats wait for its release
    std::string name = KeyName(keyCode);
    if (name.empty() || waitingKeySlot == 0) return;
    const int slot = waitingKeySlot;
    assign(keyLabels_, waitingKeySlot, dlgKey(slot), slot, keyCode, std::move(name));
}

void KeySetupDialog::Form_KeyUp(i16 /*keyCode*/) { keyLatch = 0; }

void KeySetupDialog::Timer1_Timer() {
    d_.pad.refreshPads();
    const PadScan scan = scanPads(d_.p.pads);
    // The count of pads follows them being plugged in and out, as the list of pads does.
    if (tester_.update(scan, d_.p.pads)) updatePadStatus();
    if (padTabActive != 0) capturePads(scan);
    changed();
}

void KeySetupDialog::capturePads(const PadScan& scan) {
    // Wait until every button has been released since the last capture.
    if (padButtonDown == 1)
        for (const auto& buttons : scan)
            if (buttons && *buttons != 0) return;
    padButtonDown = 0;
    for (int j = 0; j < static_cast<int>(scan.size()); ++j) {
        if (!scan[j]) continue;
        if (*scan[j] != 0) padButtonDown = 1;
        // Several buttons in one scan go to the slots in turn.
        for (int i = 0; i < 12; ++i) {
            if ((*scan[j] >> i & 1u) == 0 || waitingPadSlot == 0) continue;
            const int slot = waitingPadSlot;
            const auto code = static_cast<i16>(j * 100 + i);
            assign(padLabels_, waitingPadSlot, dlgPad(slot), slot, code, PadButtonName(code));
        }
    }
}

void KeySetupDialog::Command1_Click() {
    dlgKeySelect = 90;  // Z
    dlgKeyStart = 88;   // X
    dlgKeyB = 67;       // C
    dlgKeyA = 86;       // V
    dlgPadSelect = 0;
    dlgPadStart = 1;
    dlgPadB = 2;
    dlgPadA = 3;
    refreshCaptions();
    changed();
}

void KeySetupDialog::OKButton_Click() {
    // Compared by code: two keys without a name would show the same empty caption and still differ.
    if (anyTwoEqual(std::array{dlgKeySelect, dlgKeyStart, dlgKeyB, dlgKeyA})) {
        d_.p.dialogs.messageBox(kDuplicateKeys, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    if (anyTwoEqual(std::array{dlgPadSelect, dlgPadStart, dlgPadB, dlgPadA})) {
        d_.p.dialogs.messageBox(kDuplicatePads, MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    d_.s.keys = {dlgKeySelect, dlgKeyStart, dlgKeyB, dlgKeyA, dlgPadSelect, dlgPadStart, dlgPadB, dlgPadA};
    close();
}

void KeySetupDialog::CancelButton_Click() { close(); }

void KeySetupDialog::close() {
    visible_ = false;
    Timer1->setInterval(0);
    d_.pad.restart();
    if (onClose) onClose();
}

}  // namespace tap
