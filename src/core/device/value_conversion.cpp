#include "core/device/value_conversion.h"

#include <cctype>
#include <cmath>
#include <limits>
#include <optional>

namespace tap {

namespace {

std::string_view trimSpaces(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

std::string quoted(std::string_view text) {
    std::string out(1, '"');
    out.append(text);
    out.push_back('"');
    return out;
}

ConversionError mismatch(std::string_view text, const std::string& what) {
    return ConversionError("型が一致しません: " + what + " の値 " + quoted(text) + " は数値ではありません。");
}

ConversionError overflow(std::string_view text, const std::string& what, long long lo, long long hi) {
    return ConversionError("オーバーフローしました: " + what + " の値 " + quoted(text) + " は " +
                           std::to_string(lo) + " から " + std::to_string(hi) + " の範囲を超えています。");
}

// Parses [sign] digits [. digits] and rounds half to even; nullopt when the text is not of that form.
// Values far beyond any range we read come back as a huge magnitude, never as a wrapped number.
std::optional<long double> parseDecimal(std::string_view t) {
    t = trimSpaces(t);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
        t = trimSpaces(t);
    }
    long double whole = 0;
    std::size_t i = 0, digits = 0;
    for (; i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])); ++i, ++digits)
        whole = whole * 10 + (t[i] - '0');
    // Round on the fraction's digits, not on a binary fraction, so that x.5 is recognised exactly.
    int firstFractionDigit = 0;
    bool restNonZero = false;
    if (i < t.size() && t[i] == '.') {
        for (std::size_t f = 0, j = ++i; j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]));
             ++j, ++f, ++i, ++digits) {
            if (f == 0) firstFractionDigit = t[j] - '0';
            else if (t[j] != '0') restNonZero = true;
        }
    }
    if (digits == 0 || i != t.size()) return std::nullopt;
    const bool half = firstFractionDigit == 5 && !restNonZero;
    long double rounded = whole;
    if (firstFractionDigit > 5 || (firstFractionDigit == 5 && restNonZero) ||
        (half && std::fmod(whole, 2.0L) != 0))
        rounded += 1;
    return negative ? -rounded : rounded;
}

template <typename Int>
Int toInt(std::string_view text, const std::string& what) {
    const auto value = parseDecimal(text);
    if (!value) throw mismatch(text, what);
    constexpr auto lo = std::numeric_limits<Int>::min();
    constexpr auto hi = std::numeric_limits<Int>::max();
    if (*value < lo || *value > hi) throw overflow(text, what, lo, hi);
    return static_cast<Int>(*value);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

std::int16_t toInt16(std::string_view text, const std::string& what) { return toInt<std::int16_t>(text, what); }

std::int32_t toInt32(std::string_view text, const std::string& what) { return toInt<std::int32_t>(text, what); }

bool toBool(std::string_view text, const std::string& what) {
    const auto t = trimSpaces(text);
    if (equalsIgnoringCase(t, "true")) return true;
    if (equalsIgnoringCase(t, "false")) return false;
    const auto value = parseDecimal(t);
    if (!value) throw mismatch(text, what);
    return *value != 0;
}

}  // namespace tap
