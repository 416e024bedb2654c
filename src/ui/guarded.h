#pragma once
// Runs a core handler from a view through the guard every entry into the device goes through: a failure
// is reported (the program shows it in a message) instead of unwinding through the event loop.
#include <QWidget>
#include <utility>

#include "platform/qt/entry_guard.h"

namespace tap::ui {

// `owner` names the view the handler belongs to; the message is the program's own.
template <typename F>
void guarded(QWidget* /*owner*/, F&& handler) {
    qt::guarded(std::forward<F>(handler));
}

}  // namespace tap::ui
