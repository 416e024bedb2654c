#include "core/device/game_pad_poll.h"

#include <algorithm>

#include "core/device/device.h"

namespace tap {

void GamePadPoll::probe() { refreshPads(); }

bool GamePadPoll::attached() const { return d_.p.pads.attached() > 0; }

bool GamePadPoll::refreshPads() {
    const Millis now = d_.p.clock.tickNow();
    if (refreshed_ && !attached() && now - lastRefresh_ < kIdleCheckMs) return false;
    refreshed_ = true;
    lastRefresh_ = now;
    d_.p.pads.update();
    adaptTimer();
    return true;
}

void GamePadPoll::adaptTimer() {
    // A running poll ticks at 25 ms while a pad is there to be read, and only checks for one otherwise.
    auto& timer = *d_.padPollTimer;
    if (timer.interval() == 0) return;
    const int wanted = attached() ? kPollMs : kIdleCheckMs;
    if (timer.interval() != wanted) timer.setInterval(wanted);
}

void GamePadPoll::poll() {
    if (stopped_) return;
    if (refreshPads()) {
        const Millis now = d_.p.clock.tickNow();
        for (int j = 0; j < kJoysticks; ++j) {
            const auto reading = d_.p.pads.read(j);
            if (reading) take(j, *reading, now);
            else if (answered_[j]) releaseAll(j, now);
            answered_[j] = reading.has_value();
        }
    }
    while (!pending_.empty() && !stopped_) {
        const Step step = pending_.front();
        pending_.pop_front();
        apply(step);
    }
}

int GamePadPoll::whichOf(int code) const {
    const auto& k = d_.s.keys;
    // The first match decides, as for keys.
    const int codes[] = {k.padButtonSelect, k.padButtonStart, k.padButtonB, k.padButtonA};
    for (int w = 0; w < 4; ++w)
        if (codes[w] == code) return w;
    return -1;
}

void GamePadPoll::take(int joystick, const PadReading& reading, Millis now) {
    for (const auto& edge : reading.edges) {
        if (edge.button < 0 || edge.button >= kButtons) continue;
        const int which = whichOf(joystick * 100 + edge.button);
        if (which >= 0) pending_.push_back({which, edge.down, edge.at, joystick});
    }
    // Then the state as it is now, so that what no edge told (a button held since before) still counts.
    for (int i = 0; i < kButtons; ++i) {
        const int which = whichOf(joystick * 100 + i);
        if (which >= 0) pending_.push_back({which, (reading.buttons >> i & 1u) != 0, now, joystick});
    }
}

void GamePadPoll::releaseAll(int joystick, Millis now) {
    // A pad pulled out with a button held would otherwise leave that button held for good.
    for (int i = 0; i < kButtons; ++i) {
        const int which = whichOf(joystick * 100 + i);
        if (which >= 0) pending_.push_back({which, false, now, joystick});
    }
}

void GamePadPoll::apply(const Step& step) {
    // An edge that came after the run's first press but before the loop's start reading belongs to the
    // run's start: a time before it would put the press outside the ten seconds.
    const auto& s = d_.s;
    const Millis at = s.shootState == 2 && !s.timeStart.isZero() ? std::max(step.at, s.timeStart) : step.at;
    const InputFrom from(d_.recorder, InputSource::fromPad(step.joystick));
    if (step.down) pressed(step.which, at);
    else released(step.which, at);
}

void GamePadPoll::pressed(int which, Millis at) {
    auto& s = d_.s;
    auto holdAll = [&s] { s.padHoldSelect = s.padHoldStart = s.padHoldB = s.padHoldA = true; };
    // Flags and captions are set before the key-down goes out: the key-down may run a whole mode loop,
    // whose own polls must not deliver the same press again.
    switch (which) {
        case Select:
            labels_.Label12 = "PUSH";
            if (!s.padHoldSelect) {
                holdAll();
                d_.dispatcher.keyDownAt(s.keys.keyCodeSelect, at);
            }
            break;
        case Start: {
            const bool fresh = !s.padHoldStart;
            if (fresh) {
                if (s.padStartPresses < 32767) ++s.padStartPresses;
                holdAll();
            }
            labels_.Label13 = std::to_string(s.padStartPresses);
            if (fresh) d_.dispatcher.keyDownAt(s.keys.keyCodeStart, at);
            break;
        }
        case B:
            labels_.Label14 = "PUSH";
            if (!s.padHoldB) {
                s.padHoldB = true;
                d_.dispatcher.keyDownAt(s.keys.keyCodeB, at);
            }
            break;
        case A:
            labels_.Label15 = "PUSH";
            if (!s.padHoldA) {
                s.padHoldA = true;
                d_.dispatcher.keyDownAt(s.keys.keyCodeA, at);
            }
            break;
        default: break;
    }
}

void GamePadPoll::released(int which, Millis at) {
    auto& s = d_.s;
    // Timed by the edge's own reading, as a key's release is.
    auto logRelease = [&](PressKind kind) {
        if (s.measuring && s.modeNo == 0) d_.dispatcher.logRelease(kind, at);
    };
    switch (which) {
        case Select:
            s.padHoldSelect = false;
            labels_.Label12 = "UP";
            break;
        case Start:
            s.padHoldStart = false;
            labels_.Label13 = "UP";
            break;
        case B:
            if (s.padHoldB) {
                s.padHoldB = false;
                if (s.holdB) {
                    s.holdB = false;
                    logRelease(PressKind::B);
                }
            }
            labels_.Label14 = "UP";
            break;
        case A:
            if (s.padHoldA) {
                s.padHoldA = false;
                if (s.holdA) {
                    s.holdA = false;
                    logRelease(PressKind::A);
                }
            }
            labels_.Label15 = "UP";
            break;
        default: break;
    }
}

void GamePadPoll::stop() {
    stopped_ = true;
    d_.padPollTimer->setInterval(0);
}

void GamePadPoll::restart() {
    stopped_ = false;
    pending_.clear();
    d_.p.pads.update();
    // A button still held from the dialog counts as held: it acts only once it has been released.
    auto& s = d_.s;
    bool* holds[] = {&s.padHoldSelect, &s.padHoldStart, &s.padHoldB, &s.padHoldA};
    for (int j = 0; j < kJoysticks; ++j) {
        const auto reading = d_.p.pads.read(j);
        for (int i = 0; reading && i < kButtons; ++i) {
            const int which = whichOf(j * 100 + i);
            if (which >= 0 && (reading->buttons >> i & 1u) != 0) *holds[which] = true;
        }
    }
    refreshed_ = true;
    lastRefresh_ = d_.p.clock.tickNow();
    d_.padPollTimer->setInterval(kPollMs);
}

}  // namespace tap
