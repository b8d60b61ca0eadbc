#include "platform/qt/qt_keyboard_toggles.h"

#include <QGuiApplication>
#include <dlfcn.h>

namespace wertan {

namespace {
// The parts of the X keyboard extension's state record that are read here.
struct XkbStateRec {
    unsigned char group, locked_group;
    unsigned short base_group, latched_group;
    unsigned char mods, base_mods, latched_mods, locked_mods;
    unsigned char compat_state, grab_mods, compat_grab_mods, lookup_mods, compat_lookup_mods;
    unsigned short ptr_buttons;
};
using XOpenDisplayFn = void* (*)(const char*);
using XkbGetStateFn = int (*)(void*, unsigned, XkbStateRec*);

struct X11Keyboard {
    void* display = nullptr;
    XkbGetStateFn getState = nullptr;
    X11Keyboard() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            return;
        void* lib = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
        if (!lib)
            return;
        auto open = reinterpret_cast<XOpenDisplayFn>(dlsym(lib, "XOpenDisplay"));
        getState = reinterpret_cast<XkbGetStateFn>(dlsym(lib, "XkbGetState"));
        if (open && getState)
            display = open(nullptr);
    }
};
const X11Keyboard& x11() {
    static const X11Keyboard keyboard;
    return keyboard;
}
constexpr unsigned kLockMask = 1u << 1;
constexpr unsigned kMod2Mask = 1u << 4; // Num Lock on the usual keyboard maps
constexpr unsigned kUseCoreKeyboard = 0x0100;
} // namespace

QtKeyboardToggles::QtKeyboardToggles() = default;

unsigned QtKeyboardToggles::lockedModifiers() const {
    const X11Keyboard& k = x11();
    if (!k.display || !k.getState)
        return 0;
    XkbStateRec state{};
    if (k.getState(k.display, kUseCoreKeyboard, &state) != 0)
        return 0;
    return state.locked_mods;
}

bool QtKeyboardToggles::capsLockOn() const { return lockedModifiers() & kLockMask; }

bool QtKeyboardToggles::numLockOn() const { return lockedModifiers() & kMod2Mask; }

} // namespace wertan
