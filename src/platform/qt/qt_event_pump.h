#pragma once
#include <QObject>
#include <QTimer>

#include "core/platform.h"

namespace tap::qt {

// Processes pending events, then sleeps until the next event or the deadline: a mode loop never spins.
class QtEventPump : public EventPump {
public:
    QtEventPump();
    void yield(Millis maxWait) override;
    void post(std::function<void()> task) override;

private:
    QTimer wake_;
    QObject context_;
};

}  // namespace tap::qt
