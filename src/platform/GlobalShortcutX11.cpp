// The global shortcut on X11: a passive grab of the key on the root window, once for
// each state NumLock and CapsLock may add, and the key events seen in Qt's event
// stream. They are left to Qt afterwards: it finds no window of its own for the root
// and drops them, but first notes their time, which a window manager wants with the
// board's request to become active (focus-stealing prevention).

#include "platform/GlobalShortcut.h"
#include "platform/X11Connection.h"
#include "platform/X11KeyChord.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QList>
#include <memory>
#include <xcb/xcb_keysyms.h>

namespace {

using platform::XcbReply;

using platform::X11GrabStates;

constexpr quint32 kNumLockKeysym = 0xff7f;

class X11GlobalShortcut final : public GlobalShortcut, public QAbstractNativeEventFilter
{
public:
    X11GlobalShortcut(QObject *parent, xcb_connection_t *connection, xcb_window_t root)
        : GlobalShortcut(parent), m_Connection(connection), m_Root(root)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    ~X11GlobalShortcut() override
    {
        ungrab();
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }

protected:
    void release() override { ungrab(); }

    State take(QKeyCombination combination) override
    {
        const std::optional<platform::X11KeyChord> chord = platform::X11ChordFor(combination);
        const QList<xcb_keycode_t> keycodes =
            chord ? keycodesFor(chord->keysym) : QList<xcb_keycode_t>();
        if (keycodes.isEmpty())
            return State::Invalid;
        return grab(keycodes, chord->modifiers);
    }

public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (m_Keycodes.isEmpty() || eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        const auto type = event->response_type & 0x7f;
        if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
            return false;
        const auto *key = reinterpret_cast<const xcb_key_press_event_t *>(event);
        // The grab sends its keys to the root; a key typed into one of the app's
        // own windows is the app's.
        if (key->event != m_Root || !m_Keycodes.contains(key->detail))
            return false;
        if (type == XCB_KEY_RELEASE) {
            m_Held = false;
            return false;
        }
        if (!platform::X11StateMatches(key->state, m_Modifiers, m_NumLockMask))
            return false;
        // A held key repeats its press (Qt asks the server for detectable auto
        // repeat): one activation per press of the key.
        if (!m_Held) {
            m_Held = true;
            // Not from inside Qt's event dispatch: the handler shows windows.
            QMetaObject::invokeMethod(this, &GlobalShortcut::activated, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QList<xcb_keycode_t> keycodesFor(quint32 keysym) const
    {
        QList<xcb_keycode_t> keycodes;
        xcb_key_symbols_t *symbols = xcb_key_symbols_alloc(m_Connection);
        if (!symbols)
            return keycodes;
        if (XcbReply<xcb_keycode_t> found{xcb_key_symbols_get_keycode(symbols, keysym)}) {
            for (const xcb_keycode_t *code = found.get(); *code != XCB_NO_SYMBOL; ++code)
                keycodes << *code;
        }
        xcb_key_symbols_free(symbols);
        return keycodes;
    }

    // The modifier NumLock sets on this keymap; Mod2 where it cannot be told.
    quint16 numLockMask() const
    {
        const QList<xcb_keycode_t> numLock = keycodesFor(kNumLockKeysym);
        XcbReply<xcb_get_modifier_mapping_reply_t> mapping{xcb_get_modifier_mapping_reply(
            m_Connection, xcb_get_modifier_mapping(m_Connection), nullptr)};
        if (!mapping || numLock.isEmpty())
            return platform::kX11Mod2Mask;
        const xcb_keycode_t *codes = xcb_get_modifier_mapping_keycodes(mapping.get());
        const int perModifier = mapping->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int i = 0; i < perModifier; ++i) {
                if (numLock.contains(codes[modifier * perModifier + i]))
                    return quint16(1u << modifier);
            }
        }
        return platform::kX11Mod2Mask;
    }

    State grab(const QList<xcb_keycode_t> &keycodes, quint16 modifiers)
    {
        m_NumLockMask = numLockMask();
        m_Modifiers = modifiers;
        QList<xcb_void_cookie_t> cookies;
        for (const xcb_keycode_t keycode : keycodes) {
            for (const quint16 state : X11GrabStates(modifiers, m_NumLockMask))
                cookies << xcb_grab_key_checked(m_Connection, 0, m_Root, state, keycode,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        }
        bool taken = false;
        bool refused = false;
        for (const xcb_void_cookie_t cookie : cookies) {
            if (XcbReply<xcb_generic_error_t> error{xcb_request_check(m_Connection, cookie)}) {
                // BadAccess: another client grabbed this key and state first.
                (error->error_code == XCB_ACCESS ? taken : refused) = true;
            }
        }
        m_Keycodes = keycodes;
        if (taken || refused) {
            // Half a shortcut (working only with NumLock on, say) would puzzle more
            // than none.
            ungrab();
            return taken ? State::Taken : State::Invalid;
        }
        return State::Active;
    }

    void ungrab()
    {
        for (const xcb_keycode_t keycode : std::as_const(m_Keycodes)) {
            for (const quint16 state : X11GrabStates(m_Modifiers, m_NumLockMask))
                xcb_ungrab_key(m_Connection, keycode, m_Root, state);
        }
        if (!m_Keycodes.isEmpty())
            xcb_flush(m_Connection);
        m_Keycodes.clear();
        m_Held = false;
    }

    xcb_connection_t *m_Connection;
    xcb_window_t m_Root;
    QList<xcb_keycode_t> m_Keycodes;
    quint16 m_Modifiers = 0;
    quint16 m_NumLockMask = platform::kX11Mod2Mask;
    bool m_Held = false;
};

} // namespace

std::unique_ptr<GlobalShortcut> CreateX11GlobalShortcut(QObject *parent)
{
    xcb_connection_t *connection = platform::X11Connection();
    const xcb_window_t root = platform::X11RootWindow();
    if (!connection || root == XCB_WINDOW_NONE)
        return nullptr;
    return std::make_unique<X11GlobalShortcut>(parent, connection, root);
}
