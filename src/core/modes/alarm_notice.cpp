#include "core/modes/alarm_notice.h"

namespace tap {

AlarmNotice::AlarmNotice(Platform& p) : p_(p), Alarm(p.timers.createTimer([this] { Alarm_Timer(); })) {}

void AlarmNotice::Form_Activate() {
    message_ = "指定の時間になりました  " + p_.clock.timeOfDayText();
    p_.sound.beep();
    ringing_ = true;
    Alarm->setInterval(1000);
}

void AlarmNotice::Alarm_Timer() {
    if (ringing_) p_.sound.beep();
}

void AlarmNotice::OKButton_Click() {
    ringing_ = false;
    Alarm->setInterval(0);
    confirmed_ = true;
    if (onClose) onClose();
}

}  // namespace tap
