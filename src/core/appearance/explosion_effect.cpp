#include "core/appearance/explosion_effect.h"

#include <algorithm>
#include <span>

#include "core/appearance/picture_runs.h"
#include "core/device/device.h"

namespace tap {

namespace {
constexpr int kUpperOffset = 4, kLowerOffset = 68;

std::span<const Run> runsOfStyle(i16 style) {
    switch (style) {
        case 0:
            return runs::kExplosion0;
        case 1:
            return runs::kExplosion1;
        case 2:
            return runs::kExplosion2;
        case 3:
            return runs::kExplosion3;
        default:
            return runs::kBonus;
    }
}
}  // namespace

ExplosionEffect::ExplosionEffect(Device& d) : d_(d) {
    auto& windows = d_.windows;
    windows.resize(SecondaryWindow::EXPROSE, kExplosionSize);
    windows.resize(SecondaryWindow::EXPROSE2, kExplosionSize);
    windows.resize(SecondaryWindow::s80000, kBonusSize);
    windows.setPicture(SecondaryWindow::s80000, {{PicTable::Game, pics::Bonus}, nullptr});
}

void ExplosionEffect::begin(int run, Millis now) {
    const auto& w = d_.windows;
    blasts_.push_back({run, now, 1, w[SecondaryWindow::VELMIN_1].pos, w[SecondaryWindow::VELMIN_3].pos});
}

void ExplosionEffect::advance(Millis now) {
    for (Blast& b : blasts_) step(b, now);
    std::erase_if(blasts_, [](const Blast& b) { return b.stage == 7; });
}

void ExplosionEffect::step(Blast& b, Millis now) {
    const Millis since = now - b.at;
    auto& windows = d_.windows;
    switch (b.stage) {
        case 1:
            if (since > 0) {
                make_rgn_exprose(4, b);
                make_rgn_exprose(0, b);
                b.stage = 2;
            }
            break;
        case 2:
        case 3:
        case 4:
            if (since > kFrameMs * (b.stage - 1)) {
                make_rgn_exprose(static_cast<i16>(b.stage - 1), b);
                ++b.stage;
            }
            break;
        case 5:
            if (since > kCloseMs) {
                if (explosionRun_ == b.run) {
                    windows.hide(SecondaryWindow::EXPROSE);
                    windows.hide(SecondaryWindow::EXPROSE2);
                }
                b.stage = 6;
            }
            break;
        case 6:
            if (since > kBonusMs) {
                if (bonusRun_ == b.run) windows.hide(SecondaryWindow::s80000);
                b.stage = 7;
            }
            break;
        default:
            break;
    }
}

void ExplosionEffect::make_rgn_exprose(i16 style, const Blast& blast) {
    auto& windows = d_.windows;
    const auto runs = runsOfStyle(style);
    if (style == 4) {
        windows.setShape(SecondaryWindow::s80000, regionOfRuns(runs, 0, kUpperOffset));
        windows.show(SecondaryWindow::s80000);
        bonusRun_ = blast.run;
    } else {
        const WindowPicture frame{{PicTable::Game, static_cast<std::int8_t>(pics::Explosion0 + style)},
                                  nullptr};
        windows.setPicture(SecondaryWindow::EXPROSE, frame);
        windows.setPicture(SecondaryWindow::EXPROSE2, frame);
        windows.setShape(SecondaryWindow::EXPROSE, regionOfRuns(runs, 0, kUpperOffset));
        windows.setShape(SecondaryWindow::EXPROSE2, regionOfRuns(runs, 0, kLowerOffset));
        if (panelsRun_ == blast.run) windows.hidePanels();
        windows.move(SecondaryWindow::EXPROSE, blast.upper);
        windows.move(SecondaryWindow::EXPROSE2, blast.lower);
        windows.show(SecondaryWindow::EXPROSE);
        windows.show(SecondaryWindow::EXPROSE2);
        explosionRun_ = blast.run;
    }
    d_.p.window.focusDevice();
}

void ExplosionEffect::end() {
    auto& windows = d_.windows;
    for (auto w : {SecondaryWindow::EXPROSE, SecondaryWindow::EXPROSE2, SecondaryWindow::s80000})
        windows.hide(w);
    blasts_.clear();
}

}  // namespace tap
