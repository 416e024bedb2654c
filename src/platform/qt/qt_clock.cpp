#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QLocale>
#include <QTime>

namespace tap::qt {

TimeOfDay QtClock::timeOfDay() {
    const QTime t = QTime::currentTime();
    return {t.hour(), t.minute(), t.second()};
}

std::string QtClock::timeOfDayText() {
    return QLocale::system().toString(QTime::currentTime(), QLocale::LongFormat).toStdString();
}

CalendarTime QtClock::localTime() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), now.offsetFromUtc() / 60};
}

}  // namespace tap::qt
