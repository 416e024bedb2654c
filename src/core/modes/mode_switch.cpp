#include "core/modes/mode_switch.h"

#include "core/device/device.h"

namespace tap {

void ModeSwitch::select() {
    auto& s = d_.s;
    s.modeNo = s.modeNo > s.modeLimit ? 0 : static_cast<i16>(s.modeNo + 1);
    d_.countdown.Mode_Countdown_Stop_Clear();
    d_.face.setLeft(El::mode, FaceLayout::modeMarkerLeft(s.modeNo, s.compactView));
    enterMode();
}

void ModeSwitch::enterMode() {
    auto& s = d_.s;
    auto& face = d_.face;
    auto& display = d_.display;
    switch (s.modeNo) {
        case 0:
            display.setSmall(El::t10, pics::kBlank);
            display.setSmall(El::t01, pics::kBlank);
            s.clockLoopRunning = false;
            display.showLargeDigits(true);
            face.setVisible(El::mode, true);
            face.setVisible(El::dot, false);
            d_.slot.Mode_Slot_Clear();
            d_.shooting.DispMode_Shooting();
            d_.explosion.leaveMode();
            break;
        case 1:
            s.shootState = 0;
            d_.ScoreBlink->setInterval(0);
            display.showLargeDigits(true);
            face.setVisible(El::alarm_icon, true);
            d_.analyzer.statusReset();
            d_.clock.Mode_Clock();
            break;
        case 2:
            s.alarmEditing = false;
            face.setVisible(El::alarm_icon, false);
            d_.AlarmBlink->setInterval(0);
            display.showLargeDigits(true);
            display.showSmallDigits(true);
            s.clockLoopRunning = false;
            s.watchIsStopwatch = 1;
            d_.stopwatch.Mode_Stop();
            break;
        case 3:
            display.setLarge(El::s1000, pics::kBlank);
            for (El e : {El::s0100, El::s0010, El::s0001}) display.setLarge(e, 0);
            for (El e : {El::s1000, El::s0100, El::s0010}) face.setVisible(e, true);
            display.setSmall(El::t10, pics::kBlank);
            display.setSmall(El::t01, pics::kBlank);
            face.setVisible(El::dot, false);
            d_.slot.Mode_Slot_Clear();
            break;
        case 4:
            d_.slot.Mode_Slot_Clear();
            d_.explosion.enterMode();
            break;
        default: break;
    }
}

}  // namespace tap
