#pragma once
// The names the key setup dialog shows for key codes and pad button codes.
#include <string>

namespace tap {

// "A キー", "0 テンキー", "F1 キー", "Space キー", ...; empty for a key that cannot be assigned.
std::string KeyName(int code);
// "JoyPat<joystick + 1> - Button<button + 1>" for code = joystick × 100 + button.
std::string PadButtonName(int code);

}  // namespace tap
