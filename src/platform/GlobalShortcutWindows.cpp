// The global shortcut on Windows: RegisterHotKey for the app's thread, and WM_HOTKEY
// taken from Qt's message stream.

#include "platform/GlobalShortcut.h"

#if defined(Q_OS_WIN)

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <windows.h>

namespace {

constexpr int kHotKeyId = 0x5049; // any id of the app's own

UINT virtualKeyFor(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key); // the same codes as ASCII
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return VK_F1 + UINT(key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    default:
        return 0;
    }
}

class WindowsGlobalShortcut final : public GlobalShortcut, public QAbstractNativeEventFilter
{
public:
    explicit WindowsGlobalShortcut(QObject *parent) : GlobalShortcut(parent)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~WindowsGlobalShortcut() override
    {
        release();
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }

protected:
    void release() override
    {
        if (m_Registered)
            UnregisterHotKey(nullptr, kHotKeyId);
        m_Registered = false;
    }

    State take(QKeyCombination chord) override
    {
        const UINT key = virtualKeyFor(chord.key());
        const std::optional<unsigned> modifiers =
            ShortcutModifiers(chord, MOD_SHIFT, MOD_CONTROL, MOD_ALT, MOD_WIN);
        if (key == 0 || !modifiers)
            return State::Invalid;
        m_Registered = RegisterHotKey(nullptr, kHotKeyId, *modifiers | MOD_NOREPEAT, key);
        // ERROR_HOTKEY_ALREADY_REGISTERED: another program holds it.
        return m_Registered ? State::Active : State::Taken;
    }

public:
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        const auto *msg = static_cast<const MSG *>(message);
        if (eventType != "windows_generic_MSG" || msg->message != WM_HOTKEY ||
            msg->wParam != kHotKeyId)
            return false;
        QMetaObject::invokeMethod(this, &GlobalShortcut::activated, Qt::QueuedConnection);
        return true;
    }

private:
    bool m_Registered = false;
};

} // namespace

std::unique_ptr<GlobalShortcut> CreateWindowsGlobalShortcut(QObject *parent)
{
    return std::make_unique<WindowsGlobalShortcut>(parent);
}

#endif
