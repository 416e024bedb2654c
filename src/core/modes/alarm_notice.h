#pragma once
// The alarm notice: what it says, and its ringing until the user confirms it. The platform shows it
// modally (Dialogs::alarmNotice) and forwards its coming up and the OK button here.
#include <functional>
#include <memory>
#include <string>

#include "core/platform.h"

namespace tap {

class AlarmNotice {
public:
    static constexpr const char* kCaption = "Tapriko++";
    static constexpr const char* kReminder = "「ゲームは１日１時間！！」";

    explicit AlarmNotice(Platform& p);

    // Label1_str: when it rang, filled in as the notice comes up.
    const std::string& message() const { return message_; }
    bool ringing() const { return ringing_; }
    bool confirmed() const { return confirmed_; }

    // The notice has come up: say when, ring now and then every second.
    void Form_Activate();
    // Stops the ringing and closes the notice, which ends its modal show.
    void OKButton_Click();

    // Set by the view that shows the notice: take it off the screen.
    std::function<void()> onClose;

private:
    void Alarm_Timer();
    Platform& p_;
    std::string message_;
    bool ringing_ = false;
    bool confirmed_ = false;
    std::unique_ptr<Timer> Alarm;
};

}  // namespace tap
