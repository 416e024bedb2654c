#pragma once
#include <QObject>
#include <vector>

#include "core/platform.h"

namespace tap::qt {

// Processes pending events, then sleeps until something reaches the device or the deadline: a mode loop
// never spins, and a repaint alone does not cost it a pass.
class QtEventPump : public EventPump {
public:
    void yield(Millis maxWait) override;
    // The task runs guarded, like every other entry into the device.
    void post(std::function<void()> task) override;

private:
    // Deadlines of the yields in progress (they nest), by timer id.
    class Deadlines : public QObject {
    public:
        int start(int ms) { return startTimer(ms, Qt::PreciseTimer); }
        // True once the deadline has passed; the timer is then gone.
        bool passed(int id) const;
        void cancel(int id);

    protected:
        void timerEvent(QTimerEvent* e) override;

    private:
        std::vector<int> passed_;
    };
    Deadlines deadlines_;
    QObject context_;
};

}  // namespace tap::qt
