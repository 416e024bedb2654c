#include "platform/qt/qt_clock.h"

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

}  // namespace tap::qt
