#include "app/shell/TKeyboardLocks.h"

#include <QGuiApplication>

#if defined(QUORTOSK_HAVE_XKB) && QT_CONFIG(xcb)
#include <X11/XKBlib.h>

TKeyboardLocks ReadKeyboardLocks()
{
    TKeyboardLocks locks;
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display *display = x11 ? x11->display() : nullptr;
    if (!display)
        return locks;
    // The indicators by name: their numbers depend on the keyboard map.
    static Display *atomsOf = nullptr;
    static Atom capsAtom = None, numAtom = None;
    if (atomsOf != display) {
        capsAtom = XInternAtom(display, "Caps Lock", False);
        numAtom = XInternAtom(display, "Num Lock", False);
        atomsOf = display;
    }
    Bool caps = False, num = False;
    const bool capsRead = XkbGetNamedIndicator(display, capsAtom, nullptr, &caps, nullptr, nullptr);
    const bool numRead = XkbGetNamedIndicator(display, numAtom, nullptr, &num, nullptr, nullptr);
    locks.known = capsRead || numRead;
    locks.capsLock = capsRead && caps;
    locks.numLock = numRead && num;
    return locks;
}

#elif defined(Q_OS_WIN)
#include <windows.h>

TKeyboardLocks ReadKeyboardLocks()
{
    // Only the toggle bit counts.
    return {true, (GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0};
}

#else

TKeyboardLocks ReadKeyboardLocks()
{
    return {};
}

#endif
