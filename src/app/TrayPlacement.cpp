#include "app/TrayPlacement.h"

#include "app/WindowPlacement.h"
#include "core/MGlobals.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void TrayPlacement::storeDefaultPosition() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect primary = screen ? screen->geometry() : QRect();
    const QRect available = screen ? screen->availableGeometry() : QRect();
    const QPointF origin = WindowPlacement::DefaultPosition(primary, available, m_Window->size());
    g_WindowX.store(origin.x());
    g_WindowY.store(origin.y());
}

void TrayPlacement::placeAtStart()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen) {
        QList<QRect> areas;
        for (const QScreen *each : QGuiApplication::screens())
            areas.append(each->availableGeometry());
        const QRect placed =
            WindowPlacement::Place(g_WindowX.load(), g_WindowY.load(), g_WindowWidth.load(),
                                   g_WindowHeight.load(), screen->geometry(), areas);
        m_Window->resize(placed.size());
        m_Window->move(placed.topLeft());
    } else {
        // No screen to fit: only keep a hand-edited size within reason.
        const QRect anyScreen(0, 0, 8192, 8192);
        m_Window->resize(WindowPlacement::Place(0, 0, g_WindowWidth.load(), g_WindowHeight.load(),
                                                anyScreen, {anyScreen})
                             .size());
    }
    m_PlacedGeometry = QRect(m_Window->pos(), m_Window->size());
}

void TrayPlacement::placeNearIcon(const QRect &icon)
{
    // Opened from the tray, the board comes up by the icon, where the eye already
    // is, when the platform says where that is. The place the user chose is kept
    // for the file: only the user's own moves are saved.
    const QScreen *screen = icon.isValid() ? QGuiApplication::screenAt(icon.center()) : nullptr;
    if (!screen || m_Window->isVisible())
        return;
    const bool wasPlaced = QRect(m_Window->pos(), m_Window->size()) == m_PlacedGeometry;
    m_Window->move(WindowPlacement::NearTrayIcon(icon, m_Window->frameGeometry().size(),
                                                 screen->availableGeometry()));
    if (wasPlaced)
        m_PlacedGeometry.moveTopLeft(m_Window->pos());
}

bool TrayPlacement::saveIfMoved() const
{
    // Compared in whole pixels with where start-up put the window, not with the
    // stored values: those may lie off every screen today, or between pixels.
    if (QRect(m_Window->pos(), m_Window->size()) == m_PlacedGeometry)
        return false;
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect primary = screen ? screen->geometry() : QRect();
    g_WindowX.store(m_Window->x());
    g_WindowY.store(WindowPlacement::TopUp(m_Window->y(), primary));
    g_WindowWidth.store(m_Window->width());
    g_WindowHeight.store(m_Window->height());
    MGlobals::SaveConfig();
    return true;
}
