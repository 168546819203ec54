#pragma once

// The X connection Qt's xcb platform already holds, so that grabs, properties and
// synthetic keys travel with Qt's own requests. Null on any other platform.
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace platform {

// A reply or error from xcb, which the caller frees with free().
struct XcbFree
{
    void operator()(void *pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, XcbFree>;

xcb_connection_t *X11Connection();
xcb_window_t X11RootWindow();

} // namespace platform
