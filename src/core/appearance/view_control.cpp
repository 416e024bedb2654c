#include "core/appearance/view_control.h"

#include "core/device/device.h"

namespace tap {

namespace {
constexpr El kSealParts[] = {El::Image2, El::Image3, El::Image4};
constexpr PicTable kSealTables[] = {PicTable::ResetButton, PicTable::SealInner, PicTable::SealOuter};
}  // namespace

void ViewControl::VIEW_MAX_Click() { switchView(false); }

void ViewControl::VIEW_COMPACT_Click() { switchView(true); }

void ViewControl::switchView(bool compact) {
    auto& s = d_.s;
    if (s.compactView == compact) return;  // no re-layout, no flicker of the shape
    const auto size = static_cast<std::int8_t>(compact ? 1 : 0);
    d_.layout.Set_Object_Position(size);
    d_.display.convertViewSize(compact ? 0 : 1);
    if (s.backSideShown != 0) compact ? d_.shapes.MakeRgn_Back_S() : d_.shapes.MakeRgn_Back();
    else compact ? d_.shapes.MakeRgn_S() : d_.shapes.MakeRgn_L();
    const PicTable faces = compact ? PicTable::PaneruS : PicTable::Paneru;
    d_.face.setPicture(El::Paneru, {faces, static_cast<std::int8_t>(s.skinNo)});
    d_.face.setPicture(El::Image_back, {faces, pics::kBackFace});
    for (int i = 0; i < 3; ++i) d_.face.setPicture(kSealParts[i], {kSealTables[i], size});
    s.compactView = compact;
    d_.countdown.showAlarmSymbol();
    d_.menu.checkOnly(compact ? "VIEW_COMPACT" : "VIEW_MAX", {"VIEW_MAX", "VIEW_COMPACT", "VIEW_MIN"});
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
    if (ev.button == kRightButton && !d_.s.measuring) {
        d_.analyzer.updateMenu();
        d_.p.window.showPopupMenu(ev.screen);
    }
    d_.face.setCursor(surface, CursorShape::Default);
}

}  // namespace tap
