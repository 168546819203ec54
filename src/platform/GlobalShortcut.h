#pragma once

#include <QKeySequence>
#include <QObject>
#include <memory>
#include <optional>

// A key combination that brings the app forward from any program. One backend per
// platform (X11 key grab, the desktop portal on Wayland, the macOS and Windows hot
// key calls); Create picks the one the running platform offers.
class GlobalShortcut : public QObject
{
    Q_OBJECT

public:
    enum class State {
        // No combination asked for.
        Off,
        // The combination works.
        Active,
        // Asked for; the desktop has not answered yet (the portal asks the user).
        Pending,
        // Another program holds the combination.
        Taken,
        // The combination cannot be a global shortcut (a bare letter, an unknown key).
        Invalid,
        // This platform or desktop offers no global shortcuts to apps.
        Unsupported,
    };
    Q_ENUM(State)

    // The backend for the platform the application runs on; one that only says
    // Unsupported where there is none.
    static std::unique_ptr<GlobalShortcut> Create(QObject *parent = nullptr);

    ~GlobalShortcut() override;

    // Lets go of the current combination and asks for the first of `keys`; an
    // empty sequence asks for none. The outcome is state(), now or, for a desktop
    // that asks the user, later through stateChanged.
    void setKeys(const QKeySequence &keys);

    QKeySequence keys() const { return m_Keys; }
    State state() const { return m_State; }

signals:
    void activated();
    void stateChanged(GlobalShortcut::State state);

protected:
    explicit GlobalShortcut(QObject *parent) : QObject(parent) {}
    // Lets go of the combination taken last, if any.
    virtual void release() = 0;
    // Asks the platform for `chord`; says how it went (Pending: see stateChanged).
    virtual State take(QKeyCombination chord) = 0;
    void setState(State state);

    QKeySequence m_Keys;

private:
    State m_State = State::Off;
};

// The platform's bits for the modifiers of `chord`: `shift`, `control`, `alt` and
// `meta` are its bits for Qt's Shift, Ctrl, Alt and Meta. Nothing when the chord
// holds none of Ctrl, Alt or Meta: a bare key (or Shift and a key) taken from every
// program is no shortcut, except an F-key or a media key, allowed with `bareKeys`.
std::optional<unsigned> ShortcutModifiers(QKeyCombination chord, unsigned shift, unsigned control,
                                          unsigned alt, unsigned meta, bool bareKeys = false);

// Per platform, each in a file of its own; nullptr where the platform does not
// offer them in this process.
std::unique_ptr<GlobalShortcut> CreateX11GlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreatePortalGlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreateMacGlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreateWindowsGlobalShortcut(QObject *parent);
