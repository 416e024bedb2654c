#include "platform/qt/qt_timers.h"

#include "platform/qt/entry_guard.h"

namespace tap::qt {

QtTimer::QtTimer(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, guardedCallback(std::move(onTick)));
}

void QtTimer::setInterval(int ms) {
    interval_ = ms;
    if (ms <= 0) timer_.stop();
    else timer_.start(ms);
}

}  // namespace tap::qt
