#pragma once
// Building the face: picture assignment at start-up, the positions of every control in both view sizes,
// and the six skins.
#include <cstdint>

namespace tap {

class Device;

inline constexpr int kSkinCount = 6;

class FaceLayout {
public:
    explicit FaceLayout(Device& d) : d_(d) {}

    void SetForm();
    void DspGraphic();
    // 0 the 100 % layout, 1 the 50 % layout, anything else nothing.
    void Set_Object_Position(std::int16_t size);
    // SKIN0_Click ... SKIN5_Click.
    void SKIN_Click(int n);
    // Left edge of the mode marker for a mode in a view size.
    static int modeMarkerLeft(std::int16_t modeNo, bool compact);

private:
    Device& d_;
};

}  // namespace tap
