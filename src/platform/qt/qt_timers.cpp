#include "platform/qt/qt_timers.h"

namespace tap::qt {

QtTimer::QtTimer(std::function<void()> onTick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [f = std::move(onTick)] { f(); });
}

void QtTimer::setInterval(int ms) {
    interval_ = ms;
    if (ms <= 0) timer_.stop();
    else timer_.start(ms);
}

}  // namespace tap::qt
