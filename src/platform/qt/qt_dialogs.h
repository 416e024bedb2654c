#pragma once
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/platform.h"

namespace tap::qt {

class QtDialogs : public Dialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    MessageAnswer messageBox(const std::string& text, MessageIcon icon, MessageButtons buttons) override;
    // Shows the alarm notice modally; set by the view layer, which owns the notice window.
    std::function<void(AlarmNotice&)> showAlarmNotice;
    void alarmNotice(AlarmNotice& notice) override {
        if (showAlarmNotice) showAlarmNotice(notice);
    }
    std::optional<std::string> chooseFile(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace tap::qt
