#pragma once
// A local date and time with its offset from UTC, as a run is dated. Written as ISO 8601
// ("2024-05-01T12:34:56+09:00"), so that stored dates sort and read the same everywhere.
#include <optional>
#include <string>
#include <string_view>

namespace tap {

struct CalendarTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int utcOffsetMinutes = 0;

    // "2024-05-01T12:34:56+09:00"
    std::string iso() const;
    // Accepts what iso() writes, with "Z" for UTC as well; nullopt for anything else or a date that does
    // not exist.
    static std::optional<CalendarTime> parseIso(std::string_view text);
    // "2024-05-01 12:34:56", as the history shows it.
    std::string shown() const;
    // "2024-05-01"
    std::string dayText() const;
    bool sameDay(const CalendarTime& o) const { return year == o.year && month == o.month && day == o.day; }

    friend bool operator==(const CalendarTime&, const CalendarTime&) = default;
};

}  // namespace tap
