#include "platform/qt/x11_auto_repeat.h"

#include <QGuiApplication>

#ifdef TAPRIKO_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace tap::qt {

bool makeAutoRepeatDetectable() {
#ifdef TAPRIKO_HAVE_X11
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->display()) return false;
    Bool supported = False;
    XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
    XFlush(x11->display());
    return supported == True;
#else
    return false;
#endif
}

}  // namespace tap::qt
