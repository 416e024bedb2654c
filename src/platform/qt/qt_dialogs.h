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
    std::optional<std::string> openFile(const std::vector<FileFilter>& filters) override;
    std::optional<std::string> saveFile(const std::string& suggestedName, const std::vector<FileFilter>& filters) override;
    std::shared_ptr<const UserPicture> readPicture(const std::string& path) override;

    // "ﾋﾞｯﾄﾏｯﾌﾟ(*.bmp)" with "*.bmp" reads as it stands; other entries get their patterns in brackets.
    static QString filterText(const std::vector<FileFilter>& filters);
    // Shows the key setup dialog modally; set by the view layer, which owns the dialog's window.
    std::function<void(KeySetupDialog&)> showKeySetup;
    void keySetup(KeySetupDialog& dialog) override {
        if (showKeySetup) showKeySetup(dialog);
    }

private:
    QPointer<QWidget> owner_;
    QString lastFolder_;
};

}  // namespace tap::qt
