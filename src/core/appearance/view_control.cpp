#include "core/appearance/view_control.h"

#include "core/device/device.h"

namespace tap {

namespace {
constexpr El kSealParts[] = {El::Image2, El::Image3, El::Image4};
constexpr PicTable kSealTables[] = {PicTable::ResetButton, PicTable::SealInner, PicTable::SealOuter};
}  // namespace

void ViewControl::VIEW_MAX_Click() {
    auto& s = d_.s;
    if (!s.compactView) return;
    d_.layout.Set_Object_Position(0);
    d_.display.convertViewSize(1);
    s.backSideShown != 0 ? d_.shapes.MakeRgn_Back() : d_.shapes.MakeRgn_L();
    d_.face.setPicture(El::Paneru, {PicTable::Paneru, static_cast<std::int8_t>(s.skinNo)});
    d_.face.setPicture(El::Image_back, {PicTable::Paneru, pics::kBackFace});
    for (int i = 0; i < 3; ++i) d_.face.setPicture(kSealParts[i], {kSealTables[i], 0});
    s.compactView = false;
    d_.face.setPicture(El::alarm_icon, {s.alarmOn != 0 ? PicTable::AlarmOn : PicTable::AlarmOff, 0});
    d_.menu.checkOnly("VIEW_MAX", {"VIEW_MAX", "VIEW_COMPACT", "VIEW_MIN"});
}

void ViewControl::VIEW_COMPACT_Click() {
    auto& s = d_.s;
    if (s.compactView) return;
    d_.layout.Set_Object_Position(1);
    d_.display.convertViewSize(0);
    s.backSideShown != 0 ? d_.shapes.MakeRgn_Back_S() : d_.shapes.MakeRgn_S();
    d_.face.setPicture(El::Paneru, {PicTable::PaneruS, static_cast<std::int8_t>(s.skinNo)});
    d_.face.setPicture(El::Image_back, {PicTable::PaneruS, pics::kBackFace});
    for (int i = 0; i < 3; ++i) d_.face.setPicture(kSealParts[i], {kSealTables[i], 1});
    s.compactView = true;
    d_.face.setPicture(El::alarm_icon, {s.alarmOn != 0 ? PicTable::AlarmOn : PicTable::AlarmOff, 1});
    d_.menu.checkOnly("VIEW_COMPACT", {"VIEW_MAX", "VIEW_COMPACT", "VIEW_MIN"});
}

void ViewControl::VIEW_MIN_Click() { d_.p.window.minimise(); }

void ViewControl::TOP_VIEW_Click() {
    auto& item = d_.menu.item("TOP_VIEW");
    item.checked = !item.checked;
    d_.p.window.setAlwaysOnTop(item.checked);
}

void ViewControl::Quit_Click() { d_.lifecycle.Form_Unload(0); }

void ViewControl::liftTopmost() {
    if (d_.menu.checked("TOP_VIEW")) d_.p.window.setAlwaysOnTop(false);
}

void ViewControl::restoreTopmost() {
    if (d_.menu.checked("TOP_VIEW")) d_.p.window.setAlwaysOnTop(true);
}

MessageAnswer ViewControl::message(const std::string& text, MessageIcon icon, MessageButtons buttons) {
    liftTopmost();
    const auto answer = d_.p.dialogs.messageBox(text, icon, buttons);
    restoreTopmost();
    return answer;
}

void ViewControl::surfaceMouseDown(El surface, const MouseEvent& ev) {
    if (surface == El::Image_back && d_.s.measuring) return;
    d_.s.dragAnchor = ev.screen;
    if (ev.button == kLeftButton) d_.face.setCursor(surface, CursorShape::Move);
}

void ViewControl::surfaceMouseMove(const MouseEvent& ev, int buttonsHeld) {
    if ((buttonsHeld & kLeftButton) == 0) return;
    const Point pos = d_.p.window.position();
    const Point anchor = d_.s.dragAnchor;
    d_.p.window.move({pos.x + (ev.screen.x - anchor.x), pos.y + (ev.screen.y - anchor.y)});
    d_.s.dragAnchor = ev.screen;
}

void ViewControl::surfaceMouseUp(El surface, const MouseEvent& ev) {
    if (ev.button == kRightButton && !d_.s.measuring) d_.p.window.showPopupMenu(ev.screen);
    d_.face.setCursor(surface, CursorShape::Default);
}

}  // namespace tap
