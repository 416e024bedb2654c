#pragma once
#include <QTimer>

#include "core/platform.h"

namespace tap::qt {

class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> onTick);
    void setInterval(int ms) override;
    int interval() const override { return interval_; }

private:
    QTimer timer_;
    int interval_ = 0;
};

class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(std::function<void()> onTick) override {
        return std::make_unique<QtTimer>(std::move(onTick));
    }
};

}  // namespace tap::qt
