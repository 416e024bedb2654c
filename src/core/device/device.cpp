#include "core/device/device.h"

#include "core/appearance/popup_menu.h"

namespace tap {

Device::Device(Platform& platform) : p(platform), menu(buildPopupMenu(*this)) {
    padPollTimer = p.timers.createTimer([this] { pad.poll(); });
    ScoreBlink = p.timers.createTimer([this] { display.ScoreBlink_Timer(); });
    KoroBlink = p.timers.createTimer([this] { display.KoroBlink_Timer(); });
    AlarmBlink = p.timers.createTimer([this] { display.AlarmBlink_Timer(); });
    Timer1 = p.timers.createTimer([this] { display.Timer1_Timer(); });
    padPollTimer->setInterval(25);
}

Device::~Device() = default;

}  // namespace tap
