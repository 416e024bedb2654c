#pragma once
// The small windows the device owns besides itself (custom panels, effect windows, loader). They are
// created on demand; the device only shows and hides them.
#include <array>

namespace tap {

enum class SecondaryWindow { VELMIN_1, VELMIN_2, VELMIN_3, VELMIN_4, EXPROSE, EXPROSE2, s80000, velmin, Count };

class SecondaryWindows {
public:
    void load(SecondaryWindow w) { state(w).loaded = true; }
    void hide(SecondaryWindow w) { state(w).visible = false; }
    void show(SecondaryWindow w) { state(w) = {true, true}; }
    bool loaded(SecondaryWindow w) const { return states_[static_cast<int>(w)].loaded; }
    bool visible(SecondaryWindow w) const { return states_[static_cast<int>(w)].visible; }
    void hidePanels() {
        for (auto w : {SecondaryWindow::VELMIN_1, SecondaryWindow::VELMIN_2, SecondaryWindow::VELMIN_3,
                       SecondaryWindow::VELMIN_4})
            hide(w);
    }

private:
    struct State {
        bool loaded = false;
        bool visible = false;
    };
    State& state(SecondaryWindow w) { return states_[static_cast<int>(w)]; }
    std::array<State, static_cast<int>(SecondaryWindow::Count)> states_{};
};

}  // namespace tap
