#include "platform/GlobalShortcut.h"

#include <QGuiApplication>

namespace {

// Where no backend serves: every combination is refused as unsupported.
class NoGlobalShortcut final : public GlobalShortcut
{
public:
    explicit NoGlobalShortcut(QObject *parent) : GlobalShortcut(parent) {}

    void setKeys(const QKeySequence &keys) override
    {
        m_Keys = firstChord(keys);
        setState(m_Keys.isEmpty() ? State::Off : State::Unsupported);
    }
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

QKeySequence GlobalShortcut::firstChord(const QKeySequence &keys)
{
    return keys.isEmpty() ? QKeySequence() : QKeySequence(keys[0]);
}
