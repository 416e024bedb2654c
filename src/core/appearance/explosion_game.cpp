#include "core/appearance/explosion_game.h"

#include <algorithm>

#include "core/appearance/explosion_path.h"
#include "core/appearance/picture_runs.h"
#include "core/device/device.h"

namespace tap {

namespace {
constexpr int kOutlineOx = 14, kOutlineOy = 6;
constexpr Millis kMinWait = Millis::fromMs(1);
}  // namespace

void ExplosionGame::enterMode() {
    d_.display.blastEntryDisplay();
}

void ExplosionGame::run() {
    auto& s = d_.s;
    s.blastPhase = 0;
    const Rect screen = d_.p.window.screenArea();
    centre_ = explosion::centreOf(screen, PanelPictures::kPicture);
    d_.windows.move(SecondaryWindow::s80000,
                    explosion::bonusPosition(screen, centre_, ExplosionEffect::kBonusSize));
    enterMode();
    preparePanels();
    d_.p.window.focusDevice();
    start_ = d_.p.clock.tickNow();
    lastFrame_ = start_;
    s.explosionBusy = -1;
    if (liveLoop_ == 0) loop();
}

void ExplosionGame::preparePanels() {
    auto& windows = d_.windows;
    effect_.panelsTakenBy(++run_);
    const Region outline = regionOfRuns(runs::kPanelOutline, kOutlineOx, kOutlineOy);
    // The panels start at their first place rather than where the last run left them.
    const auto start = explosion::panelsAt(Millis{}, centre_).panels;
    for (int i = 0; i < 4; ++i) {
        const auto w = kPanelWindows[static_cast<std::size_t>(i)];
        windows.resize(w, kPanelWindow);
        windows.setShape(w, outline.intersected(explosion::quarter(i, PanelPictures::kPicture)));
        windows.move(w, start[static_cast<std::size_t>(i)]);
        windows.show(w);
    }
    windows.hide(SecondaryWindow::EXPROSE);
    windows.hide(SecondaryWindow::EXPROSE2);
}

void ExplosionGame::loop() {
    auto& s = d_.s;
    const int me = ++loops_;
    liveLoop_ = me;
    while (d_.running(liveLoop_ == me && (s.explosionBusy != 0 || effect_.pending()))) {
        const Millis now = d_.p.clock.tickNow();
        if (s.explosionBusy != 0) moveRun(now);
        effect_.advance(now);
        d_.pad.poll();
        // Wake for the next frame, not a whole frame after an early wake-up, and not after the meeting.
        const Millis next = std::min(lastFrame_ + kFrame, start_ + Millis::fromMs(explosion::kMeet));
        const Millis untilFrame = next - d_.p.clock.tickNow();
        d_.yieldFor(s.explosionBusy != 0 ? std::clamp(untilFrame, kMinWait, kFrame) : kFrame);
    }
    if (liveLoop_ == me) liveLoop_ = 0;
}

void ExplosionGame::moveRun(Millis now) {
    auto& s = d_.s;
    if (s.blastCount >= s.blastTarget) {
        // Success: the panels stop where they are and SELECT and START work again.
        s.blastPhase = 2;
        s.explosionBusy = 0;
        effect_.begin(run_, now);
        return;
    }
    const auto step = explosion::panelsAt(now - start_, centre_);
    s.blastPhase = step.phase;
    if (step.met) s.explosionBusy = 0;
    if (!step.met && now - lastFrame_ < kFrame) return;
    lastFrame_ = now;
    for (std::size_t i = 0; i < 4; ++i) d_.windows.move(kPanelWindows[i], step.panels[i]);
}

void ExplosionGame::leaveMode() {
    auto& s = d_.s;
    d_.windows.hidePanels();
    effect_.end();
    s.explosionBusy = 0;
    s.blastPhase = 2;
    liveLoop_ = 0;
}

}  // namespace tap
