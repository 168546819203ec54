#pragma once

#include <QApplication>

// Qt timers fire inside modal loops and open menus. The app's one-second ticks
// wait instead, as if scheduled only for the ordinary event loop, and catch up on
// the first tick after the window or menu has gone.
inline bool TickPaused()
{
    return QApplication::activeModalWidget() || QApplication::activePopupWidget();
}
