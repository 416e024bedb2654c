#include "platform/qt/key_state.h"

#include <QGuiApplication>

#ifdef TAPRIKO_HAVE_X11
#include <X11/Xlib.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace tap::qt {

std::uint32_t nativeKeyOf(const QKeyEvent& e) {
#ifdef Q_OS_WIN
    return e.nativeVirtualKey();
#else
    return e.nativeScanCode();
#endif
}

std::optional<bool> isKeyDown(std::uint32_t nativeKey) {
    if (nativeKey == 0) return std::nullopt;
#if defined(Q_OS_WIN)
    return (GetAsyncKeyState(static_cast<int>(nativeKey)) & 0x8000) != 0;
#elif defined(TAPRIKO_HAVE_X11)
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display() || nativeKey > 255) return std::nullopt;
    char keys[32] = {};
    XQueryKeymap(x11->display(), keys);
    return (keys[nativeKey / 8] >> (nativeKey % 8) & 1) != 0;
#else
    return std::nullopt;
#endif
}

}  // namespace tap::qt
