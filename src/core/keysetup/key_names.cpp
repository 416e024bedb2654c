#include "core/keysetup/key_names.h"

namespace tap {

namespace {
// Built by appending: GCC 12 warns falsely about a literal put in front of a temporary string.
std::string joined(std::string head, int n, const char* tail) {
    head += std::to_string(n);
    head += tail;
    return head;
}
}  // namespace

std::string KeyName(int code) {
    if (code >= 48 && code <= 57) return joined({}, code - 48, " キー");
    if (code >= 96 && code <= 105) return joined({}, code - 96, " テンキー");
    if (code >= 65 && code <= 90) return std::string(1, static_cast<char>(code)) + " キー";
    if (code == 32) return "Space キー";
    if (code >= 112 && code <= 123) return joined("F", code - 111, " キー");
    return {};
}

std::string PadButtonName(int code) {
    return joined(joined("JoyPat", code / 100 + 1, " - Button"), code % 100 + 1, "");
}

}  // namespace tap
