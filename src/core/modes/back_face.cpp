#include "core/modes/back_face.h"

#include "core/device/device.h"

namespace tap {

namespace {
constexpr El kDigits[] = {El::s1000, El::s0100, El::s0010, El::s0001, El::t10, El::t01};
}

void BackFace::show_uramen() {
    auto& s = d_.s;
    auto& face = d_.face;
    if (s.backSideShown != 0) {
        s.backSideShown = 0;
        for (El e : {El::Image2, El::Image3, El::Image4, El::Image_back}) face.setVisible(e, false);
        s.compactView ? d_.shapes.MakeRgn_S() : d_.shapes.MakeRgn_L();
    } else {
        s.backSideShown = 1;
        switch (s.resetSeal) {
            case 0:
                face.setVisible(El::Image2, true);
                face.setVisible(El::Image3, false);
                face.setVisible(El::Image4, false);
                break;
            case 1:
                face.setVisible(El::Image2, true);
                face.setVisible(El::Image3, true);
                face.setVisible(El::Image4, false);
                break;
            case 2:
                for (El e : {El::Image2, El::Image3, El::Image4}) face.setVisible(e, true);
                break;
            default: break;
        }
        face.setVisible(El::Image_back, true);
        s.compactView ? d_.shapes.MakeRgn_Back_S() : d_.shapes.MakeRgn_Back();
    }
}

void BackFace::URAMEN_Click() {
    show_uramen();
    d_.menu.setVisible("OMOTE", true);
    d_.menu.setVisible("URAMEN", false);
    d_.s.dotWasVisible = d_.face.visible(El::dot);
    for (El e : kDigits) d_.face.setVisible(e, false);
}

void BackFace::OMOTE_Click() {
    show_uramen();
    d_.menu.setVisible("OMOTE", false);
    d_.menu.setVisible("URAMEN", true);
    for (El e : kDigits) d_.face.setVisible(e, true);
    d_.face.setVisible(El::dot, d_.s.dotWasVisible);
    if (d_.s.sideAtStart == 1) {
        d_.settings.Load_Mode();
        d_.s.sideAtStart = -1;
    }
}

void BackFace::Image4_Click() {
    d_.face.setVisible(El::Image4, false);
    d_.s.resetSeal = 1;
}

void BackFace::Image3_Click() {
    d_.face.setVisible(El::Image3, false);
    d_.s.resetSeal = 0;
}

void BackFace::Image2_Click() {
    d_.view.liftTopmost();
    if (d_.p.dialogs.messageBox("最高連射数をリセットしますか？", MessageIcon::None, MessageButtons::OkCancel) ==
        MessageAnswer::Ok)
        resetRecord();
    d_.view.restoreTopmost();
}

void BackFace::resetRecord() {
    auto& s = d_.s;
    s.bestRecord = s.countB = s.countA = s.countTotal = 0;
    s.modeLimit = 1;
    d_.face.setVisible(El::alarm_icon, false);
    d_.windows.hidePanels();
    for (auto w : {SecondaryWindow::EXPROSE, SecondaryWindow::EXPROSE2, SecondaryWindow::s80000,
                   SecondaryWindow::velmin})
        d_.windows.hide(w);
    d_.settings.storeRecord();
    // Keys are accepted for a moment so that the normal entry of mode 0 shows the cleared record.
    s.backSideShown = 0;
    s.modeNo = 999;
    d_.dispatcher.Form_KeyDown(s.keys.keyCodeSelect, 0);
    s.dotWasVisible = d_.face.visible(El::dot);
    for (El e : kDigits) d_.face.setVisible(e, false);
    s.shootState = 0;
    s.newRecordBlink = false;
    d_.ScoreBlink->setInterval(0);
    d_.analyzer.statusReset();
    s.backSideShown = 1;
}

void BackFace::mouseDown(El e) { d_.face.setCursor(e, CursorShape::FingerPressed); }

void BackFace::mouseUp(El e) { d_.face.setCursor(e, CursorShape::FingerNormal); }

}  // namespace tap
