#pragma once
// Game pads for a device that is never to see one (a face rendered to a file, benchmarks of the keyboard).
#include "core/platform.h"

namespace tap {

class NoGamePads : public GamePads {
public:
    void update() override {}
    int attached() override { return 0; }
    std::optional<PadReading> read(int) override { return std::nullopt; }
    std::string name(int) override { return {}; }
};

}  // namespace tap
