#include "platform/qt/qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimerEvent>
#include <algorithm>

#include "platform/qt/entry_guard.h"

namespace tap::qt {

bool QtEventPump::Deadlines::passed(int id) const {
    return std::find(passed_.begin(), passed_.end(), id) != passed_.end();
}

void QtEventPump::Deadlines::cancel(int id) {
    if (passed(id)) std::erase(passed_, id);
    else killTimer(id);
}

void QtEventPump::Deadlines::timerEvent(QTimerEvent* e) {
    killTimer(e->timerId());
    passed_.push_back(e->timerId());
}

void QtEventPump::yield(Millis maxWait) {
    const auto ms = static_cast<int>(maxWait.wholeMs());
    if (ms <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // Any input or timer that reaches the device ends the wait sooner; events that do not (a repaint, the
    // window system's own traffic) leave the loop asleep, since it would find nothing new.
    const std::uint64_t entries = entryCount();
    const int deadline = deadlines_.start(ms);
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    } while (entryCount() == entries && !deadlines_.passed(deadline));
    deadlines_.cancel(deadline);
}

void QtEventPump::post(std::function<void()> task) {
    QMetaObject::invokeMethod(&context_, guardedCallback(std::move(task)), Qt::QueuedConnection);
}

}  // namespace tap::qt
