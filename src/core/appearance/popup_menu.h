#pragma once
#include "core/appearance/menu.h"

namespace tap {

class Device;

// The device's pop-up menu with every item in its order, captions, start checks and handlers.
Menu buildPopupMenu(Device& d);

}  // namespace tap
