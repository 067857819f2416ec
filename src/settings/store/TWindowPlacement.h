#pragma once

#include <QSize>
#include <QString>
#include <array>

class TSettingsSession;

// A window's placement as the settings file keeps it: flags, show state (1 normal,
// 2 minimized, 3 maximized), the minimized and maximized positions and the normal
// rectangle (left, top, right, bottom).
struct TWindowPlacement
{
    enum ShowState { Normal = 1, Minimized = 2, Maximized = 3 };
    static constexpr int RestoreToMaximized = 2; // flag: a minimized window was maximized

    int Flags = 0;
    int ShowCmd = Normal;
    std::array<int, 4> MinMaxPos{-1, -1, -1, -1}; // minX, minY, maxX, maxY
    std::array<int, 4> NormPos{0, 0, 0, 0};       // left, top, right, bottom

    // "NormPos(1024x768)" and the like: one value per screen size.
    static QString ScreenName(const QString &name, const QSize &screen);

    // Writes Flags, ShowCmd, PixelsPerInch, MinMaxPos and NormPos (each under its
    // screen-size name and its plain name), then Visible ("1" while the window is being
    // destroyed). Errors are thrown.
    void Write(TSettingsSession &session, const QString &section, int pixelsPerInch,
               const QSize &screen, bool destroying) const;

    // `current` is the window's placement now; a missing or bad value keeps its part of
    // it. The stored rectangle is used only when it was found, was written at the same
    // logical resolution and has left < right.
    static struct TPlacementRead Read(TSettingsSession &session, const QString &section,
                           const TWindowPlacement &current, int pixelsPerInch, const QSize &screen);
};

// What reading the stored placement decided.
struct TPlacementRead
{
    bool applyPosition = false; // use placement.NormPos (and MinMaxPos)
    TWindowPlacement::ShowState state = TWindowPlacement::Normal; // the state to start in
    TWindowPlacement placement;
};
