#include "core/appearance/face_layout.h"

#include <string>

#include "core/device/device.h"

namespace tap {

namespace {

struct Placement {
    El el;
    Point full;
    Size fullSize;
    Point compact;
    Size compactSize;
    bool movedInCompact = true;  // the pressed pictures keep their 100 % place, outside the 50 % shape
};

// Every face control's place in the 100 % and 50 % views. The mode marker is placed separately.
constexpr Placement kLayout[] = {
    {El::s1000, {226, 58}, {}, {112, 28}, {}},
    {El::s0100, {248, 58}, {}, {123, 28}, {}},
    {El::s0010, {281, 58}, {}, {139, 28}, {}},
    {El::s0001, {303, 58}, {}, {150, 28}, {}},
    {El::t10, {325, 66}, {}, {161, 32}, {}},
    {El::t01, {341, 66}, {}, {169, 32}, {}},
    {El::dot, {270, 58}, {}, {134, 31}, {}},
    {El::select_button, {65, 173}, {48, 20}, {32, 86}, {25, 10}},
    {El::start_button, {135, 173}, {48, 20}, {67, 86}, {25, 10}},
    {El::select_button_on_skin4, {70, 174}, {24, 24}, {35, 87}, {11, 11}},
    {El::start_button_on_skin4, {147, 174}, {24, 24}, {74, 87}, {11, 11}},
    {El::B_button, {236, 157}, {49, 50}, {117, 79}, {25, 25}},
    {El::A_button, {308, 157}, {49, 50}, {152, 79}, {25, 25}},
    {El::B_button_on_skin34, {247, 169}, {25, 26}, {122, 84}, {15, 15}},
    {El::A_button_on_skin34, {319, 169}, {25, 26}, {157, 84}, {15, 15}},
    {El::ss_button_push, {62, 171}, {}, {}, {}, false},
    {El::ss_button_push2, {132, 171}, {}, {}, {}, false},
    {El::B_button_press, {228, 150}, {}, {}, {}, false},
    {El::A_button_press, {300, 150}, {}, {}, {}, false},
    {El::alarm_icon, {348, 55}, {}, {169, 25}, {}},
    {El::Image2, {22, 68}, {}, {11, 33}, {}},
    {El::Image3, {22, 68}, {}, {11, 33}, {}},
    {El::Image4, {22, 68}, {}, {11, 33}, {}},
};

constexpr int kModeTop100 = 92;
constexpr int kModeTop50 = 44;

// Which hit areas each skin shows: skin 4 has the small bare switches for A and B.
bool showsSmallAB(int skin) { return skin == 4; }

}  // namespace

int FaceLayout::modeMarkerLeft(std::int16_t modeNo, bool compact) {
    // 16-bit arithmetic, as the marker's place has always been computed.
    return static_cast<std::int16_t>(compact ? 114 + 9 * modeNo : 233 + 19 * modeNo);
}

void FaceLayout::SetForm() {
    auto& face = d_.face;
    d_.shapes.MakeRgn_L();
    face.setPos(El::Paneru, {0, 0});
    face.setPos(El::Image1, {0, 0});
    face.setSize(El::Image1, {kWindowWidth, kWindowHeight});
    face.setPos(El::Image_back, {0, 0});
    face.setVisible(El::Image_back, false);
    // Pictures that never change: the pressed buttons and the back face's button and seals.
    face.setPicture(El::ss_button_push, {PicTable::ButtonPress, pics::PressSelect});
    face.setPicture(El::ss_button_push2, {PicTable::ButtonPress, pics::PressStart});
    face.setPicture(El::B_button_press, {PicTable::ButtonPress, pics::PressB});
    face.setPicture(El::A_button_press, {PicTable::ButtonPress, pics::PressA});
    for (El e : {El::ss_button_push, El::ss_button_push2, El::B_button_press, El::A_button_press})
        face.setVisible(e, false);
    face.setPicture(El::Image2, {PicTable::ResetButton, 0});
    face.setPicture(El::Image3, {PicTable::SealInner, 0});
    face.setPicture(El::Image4, {PicTable::SealOuter, 0});
    for (El e : {El::Image2, El::Image3, El::Image4}) face.setVisible(e, false);
    face.setPicture(El::Image_back, {PicTable::Paneru, pics::kBackFace});
    face.setPicture(El::alarm_icon, {PicTable::AlarmOff, 0});
    face.setVisible(El::alarm_icon, false);
    for (El e : {El::s1000, El::s0100, El::s0010, El::s0001}) face.setPicture(e, {PicTable::A, pics::kBlank});
    for (El e : {El::t10, El::t01}) face.setPicture(e, {PicTable::B, pics::kBlank});
    for (El e : {El::A_button, El::B_button, El::start_button, El::select_button, El::A_button_on_skin34,
                 El::B_button_on_skin34, El::start_button_on_skin4, El::select_button_on_skin4})
        face.setCursor(e, CursorShape::FingerNormal);
    Set_Object_Position(0);
}

void FaceLayout::DspGraphic() {
    auto& face = d_.face;
    face.setPicture(El::Paneru, {PicTable::Paneru, 0});
    face.setPicture(El::dot, {PicTable::A, pics::kDecimalPoint});
    face.setPicture(El::mode, {d_.s.compactView ? PicTable::BS : PicTable::B, pics::kModeMarker});
}

void FaceLayout::Set_Object_Position(std::int16_t size) {
    if (size != 0 && size != 1) return;
    auto& face = d_.face;
    const bool compact = size == 1;
    face.setPicture(El::dot, {compact ? PicTable::AS : PicTable::A, pics::kDecimalPoint});
    face.setPicture(El::mode, {compact ? PicTable::BS : PicTable::B, pics::kModeMarker});
    for (const auto& p : kLayout) {
        if (compact && !p.movedInCompact) continue;
        face.setPos(p.el, compact ? p.compact : p.full);
        const Size sz = compact ? p.compactSize : p.fullSize;
        if (sz.width > 0) face.setSize(p.el, sz);
    }
    face.setPos(El::mode, {modeMarkerLeft(d_.s.modeNo, compact), compact ? kModeTop50 : kModeTop100});
}

void FaceLayout::SKIN_Click(int n) {
    auto& face = d_.face;
    d_.s.skinNo = static_cast<i16>(n);
    face.setPicture(El::Paneru, {d_.s.compactView ? PicTable::PaneruS : PicTable::Paneru, static_cast<std::int8_t>(n)});
    for (int i = 0; i < kSkinCount; ++i) d_.menu.setChecked("SKIN" + std::to_string(i), i == n);
    const bool small = showsSmallAB(n);
    face.setVisible(El::A_button, !small);
    face.setVisible(El::B_button, !small);
    face.setVisible(El::A_button_on_skin34, small);
    face.setVisible(El::B_button_on_skin34, small);
    face.setVisible(El::select_button, true);
    face.setVisible(El::start_button, true);
    face.setVisible(El::select_button_on_skin4, false);
    face.setVisible(El::start_button_on_skin4, false);
}

}  // namespace tap
