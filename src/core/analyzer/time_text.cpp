#include "core/analyzer/time_text.h"

#include <cstdint>
#include <cstdlib>

namespace tap {

namespace {
// `units` as a decimal with `decimals` places, its trailing zeros and a bare point dropped.
std::string trimmedDecimal(std::int64_t units, int decimals) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    const bool negative = units < 0;
    const std::uint64_t mag = negative ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
    std::string out(negative ? 1 : 0, '-');
    out += std::to_string(mag / scale);
    std::string frac = std::to_string(mag % scale);
    frac.insert(0, static_cast<std::size_t>(decimals) - frac.size(), '0');
    while (!frac.empty() && frac.back() == '0') frac.pop_back();
    if (!frac.empty()) out.append(1, '.').append(frac);
    return out;
}
}  // namespace

std::string millisText(Millis t) { return trimmedDecimal(t.units(), 4); }

std::string secondsText(Millis t) { return trimmedDecimal(t.units(), 7); }

}  // namespace tap
