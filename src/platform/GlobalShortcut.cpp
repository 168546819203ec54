#include "platform/GlobalShortcut.h"

#include <QGuiApplication>

namespace {

// Where no backend serves: every combination is refused as unsupported.
class NoGlobalShortcut final : public GlobalShortcut
{
public:
    explicit NoGlobalShortcut(QObject *parent) : GlobalShortcut(parent) {}

protected:
    void release() override {}
    State take(QKeyCombination) override { return State::Unsupported; }
};

} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::Create(QObject *parent)
{
    std::unique_ptr<GlobalShortcut> made;
#if defined(Q_OS_MACOS)
    made = CreateMacGlobalShortcut(parent);
#elif defined(Q_OS_WIN)
    made = CreateWindowsGlobalShortcut(parent);
#else
    const QString platform = QGuiApplication::platformName();
    if (platform == u"xcb")
        made = CreateX11GlobalShortcut(parent);
    else if (platform.startsWith(u"wayland"))
        made = CreatePortalGlobalShortcut(parent);
#endif
    if (!made)
        made = std::make_unique<NoGlobalShortcut>(parent);
    return made;
}

GlobalShortcut::~GlobalShortcut() = default;

void GlobalShortcut::setState(State state)
{
    if (state == m_State)
        return;
    m_State = state;
    emit stateChanged(state);
}

void GlobalShortcut::setKeys(const QKeySequence &keys)
{
    release();
    // One combination: a global shortcut is a single chord.
    m_Keys = keys.isEmpty() ? QKeySequence() : QKeySequence(keys[0]);
    if (m_Keys.isEmpty())
        setState(State::Off);
    else if (!ShortcutModifiers(m_Keys[0], 1, 2, 4, 8, true))
        setState(State::Invalid);
    else
        setState(take(m_Keys[0]));
}

std::optional<unsigned> ShortcutModifiers(QKeyCombination chord, unsigned shift, unsigned control,
                                          unsigned alt, unsigned meta, bool bareKeys)
{
    const Qt::KeyboardModifiers qt = chord.keyboardModifiers();
    unsigned bits = 0;
    if (qt & Qt::ShiftModifier)
        bits |= shift;
    if (qt & Qt::ControlModifier)
        bits |= control;
    if (qt & Qt::AltModifier)
        bits |= alt;
    if (qt & Qt::MetaModifier)
        bits |= meta;
    const int key = chord.key();
    const bool functionKey = (key >= Qt::Key_F1 && key <= Qt::Key_F35) ||
                             (key >= Qt::Key_VolumeDown && key <= Qt::Key_MediaNext);
    if (!(bits & (control | alt | meta)) && !(bareKeys && functionKey))
        return std::nullopt;
    return bits;
}
