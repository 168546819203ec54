#include "platform/X11Connection.h"

#include <QGuiApplication>

namespace platform {

xcb_connection_t *X11Connection()
{
    if (QGuiApplication::platformName() != u"xcb")
        return nullptr;
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t X11RootWindow()
{
    xcb_connection_t *connection = X11Connection();
    if (!connection)
        return XCB_WINDOW_NONE;
    // Qt opens the display's default screen, the first one of the setup.
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return XCB_WINDOW_NONE;
    return screen->root;
}

} // namespace platform
