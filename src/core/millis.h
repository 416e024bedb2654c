#pragma once
// Milliseconds as a signed 64-bit fixed-point number with four decimal places (units of 0.0001 ms).
// Press times keep their sub-millisecond part; sums and differences never lose precision.
#include <compare>
#include <cstdint>
#include <string>

namespace tap {

class Millis {
public:
    static constexpr std::int64_t kUnitsPerMs = 10000;

    constexpr Millis() = default;
    static constexpr Millis fromUnits(std::int64_t units) { return Millis(units); }
    static constexpr Millis fromMs(std::int64_t ms) { return Millis(ms * kUnitsPerMs); }
    static constexpr Millis fromMsDouble(double ms) {
        return Millis(static_cast<std::int64_t>(ms * kUnitsPerMs + (ms >= 0 ? 0.5 : -0.5)));
    }

    constexpr std::int64_t units() const { return units_; }
    constexpr double ms() const { return static_cast<double>(units_) / kUnitsPerMs; }
    // Whole milliseconds, rounded towards minus infinity.
    constexpr std::int64_t wholeMs() const {
        return units_ >= 0 ? units_ / kUnitsPerMs : -((-units_ + kUnitsPerMs - 1) / kUnitsPerMs);
    }
    constexpr bool isZero() const { return units_ == 0; }

    constexpr Millis operator+(Millis o) const { return Millis(units_ + o.units_); }
    constexpr Millis operator-(Millis o) const { return Millis(units_ - o.units_); }
    constexpr Millis& operator+=(Millis o) { units_ += o.units_; return *this; }
    constexpr Millis& operator-=(Millis o) { units_ -= o.units_; return *this; }
    constexpr auto operator<=>(const Millis&) const = default;

    // Comparisons against whole milliseconds read like the behaviour they implement ("timeSince < 10").
    constexpr bool operator<(std::int64_t ms) const { return units_ < ms * kUnitsPerMs; }
    constexpr bool operator>(std::int64_t ms) const { return units_ > ms * kUnitsPerMs; }
    constexpr bool operator<=(std::int64_t ms) const { return units_ <= ms * kUnitsPerMs; }
    constexpr bool operator>=(std::int64_t ms) const { return units_ >= ms * kUnitsPerMs; }

    // Text with exactly four decimals, e.g. "1234.5000".
    std::string toString() const;

private:
    constexpr explicit Millis(std::int64_t units) : units_(units) {}
    std::int64_t units_ = 0;
};

}  // namespace tap
