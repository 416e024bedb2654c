#pragma once

namespace tap::qt {

// Asks the X server to report a held key as repeated presses without the fake releases between them,
// so a held key can never be mistaken for a new press. True when the server agreed; false elsewhere.
bool makeAutoRepeatDetectable();

}  // namespace tap::qt
