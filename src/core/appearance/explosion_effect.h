#pragma once
// The explosion after a successful run: the bonus window and four frames drawn by two shaped windows
// where the top-left and bottom-left panels stopped, then the windows close again. A new run may start
// while a blast still plays; each blast finishes on its own time and touches only the windows it owns.
#include <vector>

#include "core/device/device_state.h"
#include "core/geometry.h"
#include "core/millis.h"

namespace tap {

class Device;

class ExplosionEffect {
public:
    explicit ExplosionEffect(Device& d);

    // Frames change 120, 240 and 360 ms after the success; the explosion closes at 480 ms, the bonus
    // at 3 000 ms.
    static constexpr std::int64_t kFrameMs = 120, kCloseMs = 480, kBonusMs = 3000;
    static constexpr Size kExplosionSize{136, 136}, kBonusSize{164, 88};

    // Run `run` succeeded at `now`.
    void begin(int run, Millis now);
    // Plays every pending blast on to `now`.
    void advance(Millis now);
    bool pending() const { return !blasts_.empty(); }
    // The panels now belong to run `run`: older blasts leave them alone.
    void panelsTakenBy(int run) { panelsRun_ = run; }
    // Closes the explosion windows and the bonus and forgets every pending blast.
    void end();

private:
    struct Blast {
        int run;
        Millis at;    // the success
        i16 stage;    // 1 ... 6 pending, 7 over
        Point upper;  // where panel 1 stopped
        Point lower;  // where panel 3 stopped
    };
    // Style 0-3: explosion frame 0-3 in both explosion windows; style 4: the bonus window.
    void make_rgn_exprose(i16 style, const Blast& blast);
    void step(Blast& b, Millis now);

    Device& d_;
    std::vector<Blast> blasts_;
    int panelsRun_ = 0;
    int explosionRun_ = 0;  // the run whose frame the explosion windows show
    int bonusRun_ = 0;
};

}  // namespace tap
