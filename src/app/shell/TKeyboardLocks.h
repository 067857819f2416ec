#pragma once

// The Caps Lock and Num Lock toggle states of the keyboard. On X11 they are read from
// the XKB indicators, on Windows from the keys' toggle bits; elsewhere (Wayland, the
// offscreen platform, builds without Xlib) `known` is false and the status bar leaves
// their panels empty.
struct TKeyboardLocks
{
    bool known = false;
    bool capsLock = false;
    bool numLock = false;
};

TKeyboardLocks ReadKeyboardLocks();
