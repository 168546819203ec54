// The global shortcut on macOS: a Carbon hot key (RegisterEventHotKey), still the
// one system call for it, and its event handler on the application's target.

#include "platform/GlobalShortcut.h"

#if defined(Q_OS_MACOS)

#include <Carbon/Carbon.h>

namespace {

// Carbon names keys by their place on an ANSI keyboard, not by what they type.
int virtualKeyFor(int key)
{
    static const int kLetters[] = {
        kVK_ANSI_A, kVK_ANSI_B, kVK_ANSI_C, kVK_ANSI_D, kVK_ANSI_E, kVK_ANSI_F, kVK_ANSI_G,
        kVK_ANSI_H, kVK_ANSI_I, kVK_ANSI_J, kVK_ANSI_K, kVK_ANSI_L, kVK_ANSI_M, kVK_ANSI_N,
        kVK_ANSI_O, kVK_ANSI_P, kVK_ANSI_Q, kVK_ANSI_R, kVK_ANSI_S, kVK_ANSI_T, kVK_ANSI_U,
        kVK_ANSI_V, kVK_ANSI_W, kVK_ANSI_X, kVK_ANSI_Y, kVK_ANSI_Z};
    static const int kDigits[] = {kVK_ANSI_0, kVK_ANSI_1, kVK_ANSI_2, kVK_ANSI_3, kVK_ANSI_4,
                                  kVK_ANSI_5, kVK_ANSI_6, kVK_ANSI_7, kVK_ANSI_8, kVK_ANSI_9};
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return kLetters[key - Qt::Key_A];
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return kDigits[key - Qt::Key_0];
    if (key == Qt::Key_Space)
        return kVK_Space;
    return -1;
}

class MacGlobalShortcut final : public GlobalShortcut
{
public:
    explicit MacGlobalShortcut(QObject *parent) : GlobalShortcut(parent)
    {
        const EventTypeSpec pressed{kEventClassKeyboard, kEventHotKeyPressed};
        InstallApplicationEventHandler(&MacGlobalShortcut::onHotKey, 1, &pressed, this, &m_Handler);
    }
    ~MacGlobalShortcut() override
    {
        release();
        if (m_Handler)
            RemoveEventHandler(m_Handler);
    }

protected:
    void release() override
    {
        if (m_HotKey)
            UnregisterEventHotKey(m_HotKey);
        m_HotKey = nullptr;
    }

    State take(QKeyCombination chord) override
    {
        const int key = virtualKeyFor(chord.key());
        // Qt on macOS swaps the names: ControlModifier is Command, MetaModifier Control.
        const std::optional<unsigned> modifiers =
            ShortcutModifiers(chord, shiftKey, cmdKey, optionKey, controlKey);
        if (key < 0 || !modifiers)
            return State::Invalid;
        const EventHotKeyID id{'PnLk', 1};
        const OSStatus status = RegisterEventHotKey(UInt32(key), UInt32(*modifiers), id,
                                                    GetApplicationEventTarget(), 0, &m_HotKey);
        return status == noErr ? State::Active : State::Taken;
    }

private:
    static OSStatus onHotKey(EventHandlerCallRef, EventRef, void *self)
    {
        auto *shortcut = static_cast<MacGlobalShortcut *>(self);
        QMetaObject::invokeMethod(shortcut, &GlobalShortcut::activated, Qt::QueuedConnection);
        return noErr;
    }

    EventHandlerRef m_Handler = nullptr;
    EventHotKeyRef m_HotKey = nullptr;
};

} // namespace

std::unique_ptr<GlobalShortcut> CreateMacGlobalShortcut(QObject *parent)
{
    return std::make_unique<MacGlobalShortcut>(parent);
}

#endif
