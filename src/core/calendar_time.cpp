#include "core/calendar_time.h"

#include <cstdio>

namespace tap {

namespace {
bool leapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : kDays[month - 1];
}

// `count` digits at `pos`, or -1.
int digits(std::string_view t, std::size_t pos, int count) {
    if (pos + static_cast<std::size_t>(count) > t.size()) return -1;
    int v = 0;
    for (int i = 0; i < count; ++i) {
        const char c = t[pos + static_cast<std::size_t>(i)];
        if (c < '0' || c > '9') return -1;
        v = v * 10 + (c - '0');
    }
    return v;
}
}  // namespace

std::string CalendarTime::iso() const {
    const int off = utcOffsetMinutes < 0 ? -utcOffsetMinutes : utcOffsetMinutes;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", year, month, day, hour, minute,
                  second, utcOffsetMinutes < 0 ? '-' : '+', off / 60, off % 60);
    return buf;
}

std::optional<CalendarTime> CalendarTime::parseIso(std::string_view t) {
    // YYYY-MM-DDTHH:MM:SS then Z or ±HH:MM
    if (t.size() < 20) return std::nullopt;
    auto at = [&t](std::size_t i, char c) { return t[i] == c; };
    if (!at(4, '-') || !at(7, '-') || !at(10, 'T') || !at(13, ':') || !at(16, ':')) return std::nullopt;
    CalendarTime c;
    c.year = digits(t, 0, 4);
    c.month = digits(t, 5, 2);
    c.day = digits(t, 8, 2);
    c.hour = digits(t, 11, 2);
    c.minute = digits(t, 14, 2);
    c.second = digits(t, 17, 2);
    if (c.year < 1 || c.month < 1 || c.month > 12 || c.day < 1 || c.day > daysIn(c.year, c.month) ||
        c.hour < 0 || c.hour > 23 || c.minute < 0 || c.minute > 59 || c.second < 0 || c.second > 59)
        return std::nullopt;
    if (t.size() == 20 && at(19, 'Z')) return c;
    if (t.size() != 25 || !(at(19, '+') || at(19, '-')) || !at(22, ':')) return std::nullopt;
    const int oh = digits(t, 20, 2), om = digits(t, 23, 2);
    if (oh < 0 || oh > 14 || om < 0 || om > 59) return std::nullopt;
    c.utcOffsetMinutes = (at(19, '-') ? -1 : 1) * (oh * 60 + om);
    return c;
}

std::string CalendarTime::shown() const {
    char buf[24];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    return buf;
}

std::string CalendarTime::dayText() const {
    return shown().substr(0, 10);
}

}  // namespace tap
