#include "core/device/game_pad_poll.h"

#include "core/device/device.h"

namespace tap {

namespace {
enum Which { Select = 0, Start = 1, B = 2, A = 3 };
constexpr int kJoysticks = 16;
constexpr int kButtons = 12;
}  // namespace

void GamePadPoll::probe() {
    // The pads are found afresh on every poll; nothing needs to be opened up front.
}

void GamePadPoll::poll() {
    const auto& k = d_.s.keys;
    const std::int16_t codes[] = {k.padButtonSelect, k.padButtonStart, k.padButtonB, k.padButtonA};
    for (int j = 0; j < kJoysticks; ++j) {
        const auto mask = d_.p.pads.buttons(j);
        if (!mask) continue;
        for (int i = 0; i < kButtons; ++i) {
            const int code = j * 100 + i;
            int which = -1;
            for (int w = 0; w < 4 && which < 0; ++w)
                if (codes[w] == code) which = w;
            if (which < 0) continue;
            const InputFrom from(d_.recorder, InputSource::fromPad(j));
            if (*mask & (1u << i)) pressed(which);
            else released(which);
        }
    }
}

void GamePadPoll::pressed(int which) {
    auto& s = d_.s;
    auto holdAll = [&s] { s.padHoldSelect = s.padHoldStart = s.padHoldB = s.padHoldA = true; };
    switch (which) {
        case Select:
            if (!s.padHoldSelect) {
                holdAll();
                d_.dispatcher.Form_KeyDown(s.keys.keyCodeSelect, 0);
            }
            break;
        case Start:
            if (!s.padHoldStart) {
                if (s.padStartPresses < 32767) ++s.padStartPresses;
                holdAll();
                d_.dispatcher.Form_KeyDown(s.keys.keyCodeStart, 0);
            }
            break;
        case B:
            if (!s.padHoldB) {
                s.padHoldB = true;
                d_.dispatcher.Form_KeyDown(s.keys.keyCodeB, 0);
            }
            break;
        case A:
            if (!s.padHoldA) {
                s.padHoldA = true;
                d_.dispatcher.Form_KeyDown(s.keys.keyCodeA, 0);
            }
            break;
        default: break;
    }
}

void GamePadPoll::released(int which) {
    auto& s = d_.s;
    const bool logging = s.measuring && s.modeNo == 0;
    switch (which) {
        case Select: s.padHoldSelect = false; break;
        case Start: s.padHoldStart = false; break;
        case B:
            if (s.padHoldB) {
                s.padHoldB = false;
                if (s.holdB) {
                    s.holdB = false;
                    if (logging) d_.dispatcher.logRelease(PressKind::B);
                }
            }
            break;
        case A:
            if (s.padHoldA) {
                s.padHoldA = false;
                if (s.holdA) {
                    s.holdA = false;
                    if (logging) d_.dispatcher.logRelease(PressKind::A);
                }
            }
            break;
        default: break;
    }
}

}  // namespace tap
