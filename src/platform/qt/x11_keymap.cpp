#include "platform/qt/x11_keymap.h"

#ifdef TAPRIKO_HAVE_X11
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <X11/XKBlib.h>
#endif

namespace tap::qt {

#ifdef TAPRIKO_HAVE_X11

namespace {

class Keymap : public QAbstractNativeEventFilter {
public:
    explicit Keymap(Display* display) : display_(display) {
        int opcode = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (!XkbQueryExtension(display_, &opcode, &xkbEventBase_, &error, &major, &minor)) xkbEventBase_ = -1;
    }

    std::array<std::uint32_t, 2> levels(std::uint32_t keycode, int group) {
        if (stale_) reload();
        if (!map_ || keycode < map_->min_key_code || keycode > map_->max_key_code) return {};
        const auto kc = static_cast<KeyCode>(keycode);
        const int groups = XkbKeyNumGroups(map_, kc);
        if (groups == 0) return {};
        group %= groups;  // a key with fewer groups than the layout repeats its own
        const int width = XkbKeyGroupWidth(map_, kc, group);
        std::array<std::uint32_t, 2> syms{};
        for (int level = 0; level < 2 && level < width; ++level)
            syms[level] = static_cast<std::uint32_t>(XkbKeySymEntry(map_, kc, level, group));
        return syms;
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override {
        // XKB events carry their kind in the second byte: a new keyboard, or a changed map.
        if (xkbEventBase_ < 0 || eventType != "xcb_generic_event_t") return false;
        const auto* bytes = static_cast<const std::uint8_t*>(message);
        if ((bytes[0] & 0x7f) == xkbEventBase_ && (bytes[1] == XkbNewKeyboardNotify || bytes[1] == XkbMapNotify))
            stale_ = true;
        return false;
    }

private:
    void reload() {
        if (map_) XkbFreeKeyboard(map_, 0, True);
        map_ = XkbGetMap(display_, XkbKeyTypesMask | XkbKeySymsMask, XkbUseCoreKbd);
        stale_ = false;
    }

    Display* display_;
    XkbDescPtr map_ = nullptr;
    int xkbEventBase_ = -1;
    bool stale_ = true;
};

// The map of the application's display, made at the first key; it lives as long as the display.
Keymap* applicationKeymap() {
    static Keymap* map = []() -> Keymap* {
        auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        if (!x11 || !x11->display()) return nullptr;
        auto* m = new Keymap(x11->display());
        qApp->installNativeEventFilter(m);
        return m;
    }();
    return map;
}

}  // namespace

std::array<std::uint32_t, 2> x11KeyLevels(std::uint32_t keycode, int group) {
    Keymap* map = applicationKeymap();
    return map ? map->levels(keycode, group) : std::array<std::uint32_t, 2>{};
}

#else

std::array<std::uint32_t, 2> x11KeyLevels(std::uint32_t, int) { return {}; }

#endif

}  // namespace tap::qt
