#pragma once
#include <functional>

namespace tap::qt {

// Runs `onShutdown` from the event loop when the process gets SIGTERM, SIGINT or SIGHUP, so the normal
// shutdown (which saves the settings) runs instead of the process just dying.
void routeShutdownSignals(std::function<void()> onShutdown);

}  // namespace tap::qt
