#include "core/millis.h"

#include <cstdio>
#include <cstdlib>

namespace tap {

std::string Millis::toString() const {
    const std::int64_t whole = std::llabs(units_) / kUnitsPerMs;
    const std::int64_t frac = std::llabs(units_) % kUnitsPerMs;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%lld.%04lld", units_ < 0 ? "-" : "", static_cast<long long>(whole),
                  static_cast<long long>(frac));
    return buf;
}

}  // namespace tap
