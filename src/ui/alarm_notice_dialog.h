#pragma once
// The alarm notice as a small modal window. It keeps nothing of its own: the core's AlarmNotice says
// what to show and rings; the window forwards its coming up and the OK button.
#include <QDialog>

#include "core/modes/alarm_notice.h"

class QLabel;

namespace tap::ui {

class AlarmNoticeDialog : public QDialog {
    Q_OBJECT
public:
    AlarmNoticeDialog(AlarmNotice& notice, QWidget* owner);
    ~AlarmNoticeDialog() override;

protected:
    void showEvent(QShowEvent* e) override;
    // Escape and the close box confirm the notice like OK, so it never goes on ringing unseen.
    void reject() override;

private:
    void centreOnScreen();
    AlarmNotice& notice_;
    QLabel* message_;
};

}  // namespace tap::ui
