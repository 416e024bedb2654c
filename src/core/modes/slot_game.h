#pragma once
// Mode 3: the slot reels. START spins three reels of dice faces 1-6 or four reels of digits 0-9, each A
// stops the next reel from the left; the game ends when the last reel has stopped. No score is kept.
#include <array>
#include <cstdint>

#include "core/millis.h"

namespace tap {

class Device;

class SlotGame {
public:
    explicit SlotGame(Device& d) : d_(d) {}

    // The reels step on a 25 ms grid, 40 times a second.
    static constexpr std::int64_t kStepMs = 25;
    static constexpr Millis kPassWait = Millis::fromMs(5);

    void Mode_Slot_Clear();
    // One game, from START until the last reel stops or the game is cleared.
    void Mode_Slot();
    // B between games: plays with four reels instead of three, or back; the unused reel is hidden.
    void toggleReels();

    // A reel's symbol after one step: the highest symbol is followed by the lowest.
    static std::int16_t nextSymbol(std::int16_t symbol, std::int16_t top);
    // A start symbol from a uniform random number in [0, 1): 1-6 below a top of 6, else 0-9.
    static std::int16_t startSymbol(double r, std::int16_t top);

private:
    void showReels(const std::array<std::int16_t, 4>& reels, bool fourReels);
    Device& d_;
};

}  // namespace tap
