#pragma once
// Conversion of stored text to numbers. Anything that does not convert cleanly is an error that
// start-up reports and repairs; nothing is guessed.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tap {

class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Optional spaces and sign, digits and an optional fraction (rounded half to even). `what` names the value
// in the error text.
std::int16_t toInt16(std::string_view text, const std::string& what);
std::int32_t toInt32(std::string_view text, const std::string& what);
// "True"/"False" in any case, or a number (non-zero is true).
bool toBool(std::string_view text, const std::string& what);

}  // namespace tap
