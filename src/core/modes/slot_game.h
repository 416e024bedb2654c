#pragma once
// Mode 3: the slot reels.

namespace tap {

class Device;

class SlotGame {
public:
    explicit SlotGame(Device& d) : d_(d) {}

    void Mode_Slot_Clear();
    void Mode_Slot();
    // B between games: plays with four reels instead of three, or back; the unused reel is hidden.
    void toggleReels();

private:
    Device& d_;
};

}  // namespace tap
