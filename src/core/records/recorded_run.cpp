#include "core/records/recorded_run.h"

namespace tap {

std::optional<InputSource> InputSource::fromIndex(int index) {
    if (index == 0) return keyboard();
    if (index == 1) return mouse();
    if (index >= 2 && index < kCount) return fromPad(index - 2);
    return std::nullopt;
}

std::string InputSource::name() const {
    switch (kind) {
        case Kind::Keyboard:
            return "keyboard";
        case Kind::Mouse:
            return "mouse";
        case Kind::Pad:
            break;
    }
    return "pad" + std::to_string(pad);
}

std::optional<InputSource> InputSource::fromName(std::string_view name) {
    if (name == "keyboard") return keyboard();
    if (name == "mouse") return mouse();
    if (name.size() < 4 || name.size() > 5 || name.substr(0, 3) != "pad") return std::nullopt;
    int n = 0;
    for (char c : name.substr(3)) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    // One way of writing each pad: "pad01" is not a name.
    if (n >= kPads || (name.size() == 5 && name[3] == '0')) return std::nullopt;
    return fromPad(n);
}

}  // namespace tap
