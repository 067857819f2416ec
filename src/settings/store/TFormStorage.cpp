#include "settings/store/TFormStorage.h"

#include "common/TErrorText.h"
#include "settings/store/TSettingsStore.h"
#include "settings/store/TStoreLink.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

TFormStorage::TFormStorage(QWidget *window, TSettingsStore *store, QString section)
    : m_window(window), m_store(store), m_section(std::move(section))
{
}

TFormStorage::~TFormStorage()
{
    if (m_restored && !m_saved)
        save(true);
}

int TFormStorage::PixelsPerInch()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

QSize TFormStorage::ScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().size() : QSize();
}

TWindowPlacement TFormStorage::PlacementOf(const QWidget *window)
{
    TWindowPlacement p;
    const Qt::WindowStates state = window->windowState();
    const bool minimized = state & Qt::WindowMinimized;
    const bool maximized = state & (Qt::WindowMaximized | Qt::WindowFullScreen);
    p.ShowCmd = minimized ? TWindowPlacement::Minimized
                          : maximized ? TWindowPlacement::Maximized : TWindowPlacement::Normal;
    p.Flags = minimized && maximized ? TWindowPlacement::RestoreToMaximized : 0;

    // The rectangle is the client area's, as setGeometry() takes it back. The frame has no
    // part in it: X11 reports the frame only after the window is mapped, and a rectangle
    // mixing the two moves the window by the frame's size at every start.
    const QRect normal = (minimized || maximized) && window->normalGeometry().isValid()
                             ? window->normalGeometry()
                             : window->geometry();
    p.NormPos = {normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height()};
    p.MinMaxPos = {-1, -1, maximized ? window->pos().x() : -1, maximized ? window->pos().y() : -1};
    return p;
}

void TFormStorage::Restore()
{
    if (!m_store || !m_window)
        return;
    m_restored = true;
    m_saved = false;
    try {
        TSettingsSession session(*m_store);
        if (m_readPlacement)
            restorePlacement(session);
        for (TStoreLink *link : std::as_const(m_links))
            if (!link->LinkSection().isEmpty())
                link->LoadSettings(session, m_section + QLatin1Char('\\') + link->LinkSection());
        m_properties.Restore(session, m_section);
    } catch (const TError &e) {
        m_store->ReportProblem(e.message());
    }
}

void TFormStorage::Save()
{
    save(false);
}

void TFormStorage::save(bool destroying)
{
    if (!m_store || !m_window || !m_restored)
        return; // a window that was never shown leaves the store alone
    m_saved = true;
    try {
        TSettingsSession session(*m_store);
        TWindowPlacement placement = PlacementOf(m_window);
        if (m_readCorner && !PlatformPlacesWindows()) {
            // Where the window manager alone places windows (Wayland), the window knows no
            // position of its own: the stored corner stays, the size is the window's.
            auto &r = placement.NormPos;
            r = {m_readCorner->x(), m_readCorner->y(), m_readCorner->x() + (r[2] - r[0]),
                 m_readCorner->y() + (r[3] - r[1])};
        }
        placement.Write(session, m_section, PixelsPerInch(), ScreenSize(), destroying);
        for (TStoreLink *link : std::as_const(m_links))
            if (!link->LinkSection().isEmpty())
                link->SaveSettings(session, m_section + QLatin1Char('\\') + link->LinkSection());
        m_properties.Save(session, m_section);
        session.Close();
    } catch (const TError &e) {
        m_store->ReportProblem(e.message());
    }
}

bool TFormStorage::PlatformPlacesWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void TFormStorage::restorePlacement(TSettingsSession &session)
{
    QWidget *w = m_window;
    const TPlacementRead read =
        TWindowPlacement::Read(session, m_section, PlacementOf(w), PixelsPerInch(), ScreenSize());
    if (read.applyPosition) {
        applyRectangle(read.placement.NormPos);
        m_readCorner = QPoint(read.placement.NormPos[0], read.placement.NormPos[1]);
    }

    Qt::WindowStates state =
        w->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen);
    if (read.state == TWindowPlacement::Maximized)
        state |= Qt::WindowMaximized;
    w->setWindowState(state);
    if (read.state == TWindowPlacement::Minimized) {
        // Opened normal first, then minimized by a posted request, as the platform's
        // task bar expects of a program that starts minimized.
        QMetaObject::invokeMethod(
            w, [w] { w->setWindowState(w->windowState() | Qt::WindowMinimized); }, Qt::QueuedConnection);
    }
}

void TFormStorage::applyRectangle(const std::array<int, 4> &rect)
{
    QWidget *w = m_window;
    // Stored numbers may be anything: sizes are worked out in 64 bits and a rectangle no
    // window could have keeps the designed place and size.
    constexpr qint64 Largest = 32767;
    const qint64 left = rect[0], top = rect[1];
    const qint64 width = qint64(rect[2]) - left, height = qint64(rect[3]) - top;
    auto sane = [](qint64 v) { return v >= -Largest && v <= Largest; };
    if (!sane(left) || !sane(top) || width <= 0 || height <= 0 || width > Largest || height > Largest)
        return;
    // A window that would show no usable part on any screen (a monitor that is gone)
    // keeps the designed position, as the platform's own placement would bring it back.
    const QRect wanted{int(left), int(top), int(width), int(height)};
    bool usable = false;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect part = screen->availableGeometry().intersected(wanted);
        usable = usable || (part.width() >= qMin<qint64>(width, 100) && part.height() >= qMin<qint64>(height, 50));
    }
    // The client area's rectangle, set before the window is mapped; never move(), which
    // places the frame.
    if (usable || QGuiApplication::screens().isEmpty())
        w->setGeometry(wanted);
    else
        w->resize(int(width), int(height));
}
