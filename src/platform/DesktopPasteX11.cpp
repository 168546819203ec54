// Paste into the previous window on X11. The window is read from the window
// manager's _NET_ACTIVE_WINDOW (the input focus where no window manager runs),
// activated again the same way, and the keystroke sent through XTest, as if typed.

#include "platform/DesktopPaste.h"
#include "platform/PasteKeys.h"
#include "platform/X11Connection.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <memory>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

namespace {

using platform::XcbReply;

constexpr quint32 kControlKeysym = 0xffe3; // Control_L
constexpr quint32 kShiftKeysym = 0xffe1;   // Shift_L
constexpr quint32 kVKeysym = 0x76;         // v
// How long the window may take to get the focus back, and how often to look.
constexpr int kFocusWaitMs = 750;
constexpr int kFocusPollMs = 15;

class X11DesktopPaste final : public DesktopPaste
{
public:
    X11DesktopPaste(QObject *parent, xcb_connection_t *connection, xcb_window_t root)
        : DesktopPaste(parent), m_Connection(connection), m_Root(root),
          m_ActiveAtom(atom("_NET_ACTIVE_WINDOW"))
    {
        m_Poll.setInterval(kFocusPollMs);
        connect(&m_Poll, &QTimer::timeout, this, &X11DesktopPaste::pollFocus);
    }

    bool supported() const override { return true; }

    void rememberActiveWindow() override
    {
        const xcb_window_t active = activeWindow();
        // The board is up already: the window of this show stays.
        if (active != XCB_WINDOW_NONE && isOwnWindow(active))
            return;
        // None active: nothing to paste into, never a window of an earlier show.
        m_Target = active;
    }

    void forgetRemembered() override { m_Target = XCB_WINDOW_NONE; }

    void pasteIntoRemembered(const QString &text) override
    {
        m_Poll.stop();
        m_Pasting = std::exchange(m_Target, XCB_WINDOW_NONE);
        m_SeveralLines = HasSeveralLines(text);
        if (m_Pasting == XCB_WINDOW_NONE) {
            QTimer::singleShot(0, this, [this] { emit finished(Outcome::NotPasted); });
            return;
        }
        activate(m_Pasting);
        m_Waited.start();
        m_Poll.start();
    }

private:
    xcb_atom_t atom(const char *name) const
    {
        XcbReply<xcb_intern_atom_reply_t> reply{xcb_intern_atom_reply(
            m_Connection, xcb_intern_atom(m_Connection, 0, uint16_t(qstrlen(name)), name),
            nullptr)};
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The value of a property of `window`, as bytes; empty when it has none.
    QByteArray property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type) const
    {
        XcbReply<xcb_get_property_reply_t> reply{xcb_get_property_reply(
            m_Connection, xcb_get_property(m_Connection, 0, window, name, type, 0, 1024), nullptr)};
        if (!reply || reply->type == XCB_ATOM_NONE)
            return {};
        return QByteArray(static_cast<const char *>(xcb_get_property_value(reply.get())),
                          xcb_get_property_value_length(reply.get()));
    }

    bool hasWindowManager() const
    {
        return !property(m_Root, m_ActiveAtom, XCB_ATOM_WINDOW).isEmpty();
    }

    xcb_window_t activeWindow() const
    {
        const QByteArray active = property(m_Root, m_ActiveAtom, XCB_ATOM_WINDOW);
        if (active.size() >= 4)
            return *reinterpret_cast<const xcb_window_t *>(active.constData());
        XcbReply<xcb_get_input_focus_reply_t> focus{
            xcb_get_input_focus_reply(m_Connection, xcb_get_input_focus(m_Connection), nullptr)};
        // PointerRoot (1) and None (0) name no window.
        return focus && focus->focus > 1 ? focus->focus : xcb_window_t(XCB_WINDOW_NONE);
    }

    static bool isOwnWindow(xcb_window_t window)
    {
        const QWindowList windows = QGuiApplication::allWindows();
        return std::any_of(windows.cbegin(), windows.cend(), [window](const QWindow *own) {
            return own->handle() && own->winId() == window;
        });
    }

    void activate(xcb_window_t window)
    {
        if (hasWindowManager()) {
            // A pager's request (source 2): window managers honour it even when the
            // window was not the last one the user clicked.
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = window;
            message.type = m_ActiveAtom;
            message.data.data32[0] = 2;
            message.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(m_Connection, 0, m_Root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT |
                               XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&message));
        } else {
            xcb_set_input_focus(m_Connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        }
        xcb_flush(m_Connection);
    }

    void pollFocus()
    {
        if (activeWindow() != m_Pasting) {
            if (m_Waited.elapsed() < kFocusWaitMs)
                return;
            // Typed into whatever has the focus instead, a paste could land anywhere.
            m_Poll.stop();
            emit finished(Outcome::NotPasted);
            return;
        }
        m_Poll.stop();
        // The target asks the clipboard's owner for the text once it sees the
        // keystroke: this app, whose event loop runs on to answer it.
        if (!QGuiApplication::clipboard()->ownsClipboard()) {
            emit finished(Outcome::NotPasted);
            return;
        }
        const bool terminal = platform::IsTerminalWindowClass(
            property(m_Pasting, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING));
        // A page may be edited by others, and the board shows an item's first line
        // only: a line break typed into a shell would run what comes before it.
        if (terminal && m_SeveralLines) {
            emit finished(Outcome::SeveralLinesIntoTerminal);
            return;
        }
        sendPaste(terminal);
        emit finished(Outcome::Pasted);
    }

    void sendPaste(bool terminal)
    {
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_Connection);
        if (!symbols)
            return;
        const auto keycode = [symbols](quint32 keysym) -> xcb_keycode_t {
            XcbReply<xcb_keycode_t> codes{xcb_key_symbols_get_keycode(symbols, keysym)};
            return codes ? codes.get()[0] : XCB_NO_SYMBOL;
        };
        QList<xcb_keycode_t> keys{keycode(kControlKeysym)};
        if (terminal)
            keys << keycode(kShiftKeysym);
        keys << keycode(kVKeysym);
        xcb_key_symbols_free(symbols);
        if (keys.contains(XCB_NO_SYMBOL))
            return;
        for (const xcb_keycode_t key : std::as_const(keys))
            xcb_test_fake_input(m_Connection, XCB_KEY_PRESS, key, XCB_CURRENT_TIME, XCB_NONE, 0, 0,
                                0);
        for (auto key = keys.crbegin(); key != keys.crend(); ++key)
            xcb_test_fake_input(m_Connection, XCB_KEY_RELEASE, *key, XCB_CURRENT_TIME, XCB_NONE, 0,
                                0, 0);
        xcb_flush(m_Connection);
    }

    xcb_connection_t *m_Connection;
    xcb_window_t m_Root;
    xcb_atom_t m_ActiveAtom;
    // Noted at this show of the board; the one a paste under way goes back to.
    xcb_window_t m_Target = XCB_WINDOW_NONE;
    xcb_window_t m_Pasting = XCB_WINDOW_NONE;
    bool m_SeveralLines = false;
    QTimer m_Poll;
    QElapsedTimer m_Waited;
};

} // namespace

std::unique_ptr<DesktopPaste> CreateX11DesktopPaste(QObject *parent)
{
    xcb_connection_t *connection = platform::X11Connection();
    const xcb_window_t root = platform::X11RootWindow();
    if (!connection || root == XCB_WINDOW_NONE)
        return nullptr;
    // Without the XTest extension no keystroke can be sent.
    const xcb_query_extension_reply_t *xtest = xcb_get_extension_data(connection, &xcb_test_id);
    if (!xtest || !xtest->present)
        return nullptr;
    return std::make_unique<X11DesktopPaste>(parent, connection, root);
}
