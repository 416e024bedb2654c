#include "tests/support/scenario.h"

namespace tap::sim {

bool Scenario::start() {
    const bool ok = dev.lifecycle.Form_Load();
    sim.runFor(0);
    return ok;
}

bool Scenario::startIn(int mode, int record) {
    stored("MODE", "SELECT", std::to_string(mode));
    stored("MODE", "SHOOTING_MAX", std::to_string(record));
    return start();
}

void Scenario::pressAt(double at, std::int16_t vk, double holdMs) {
    sim.at(at, [this, vk] { keyDown(vk); });
    sim.at(at + holdMs, [this, vk] { keyUp(vk); });
}

void Scenario::padDownAt(double at, int code) {
    sim.at(at, [this, code] { sim.padButton(code / 100, code % 100, true); });
}

void Scenario::padUpAt(double at, int code) {
    sim.at(at, [this, code] { sim.padButton(code / 100, code % 100, false); });
}

std::string Scenario::display() const {
    auto glyph = [this](El e) -> char {
        const auto& el = dev.face[e];
        if (!el.visible) return ' ';
        const int i = el.picture.index;
        if (i <= 9) return static_cast<char>('0' + i);
        if (i == pics::kBlank) return '_';
        if (i == pics::kKoroGlyph1) return 'k';
        if (i == pics::kKoroGlyph2) return 'K';
        return '?';
    };
    std::string out;
    for (El e : {El::s1000, El::s0100, El::s0010, El::s0001}) out += glyph(e);
    out += '|';
    for (El e : {El::t10, El::t01}) out += glyph(e);
    return out;
}

}  // namespace tap::sim
