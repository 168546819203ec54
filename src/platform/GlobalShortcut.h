#pragma once

#include <QKeySequence>
#include <QObject>
#include <memory>

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
    virtual void setKeys(const QKeySequence &keys) = 0;

    QKeySequence keys() const { return m_Keys; }
    State state() const { return m_State; }

signals:
    void activated();
    void stateChanged(GlobalShortcut::State state);

protected:
    explicit GlobalShortcut(QObject *parent) : QObject(parent) {}
    void setState(State state);
    // The first combination of `keys` alone: a global shortcut is one chord.
    static QKeySequence firstChord(const QKeySequence &keys);

    QKeySequence m_Keys;

private:
    State m_State = State::Off;
};

// Per platform, each in a file of its own; nullptr where the platform does not
// offer them in this process.
std::unique_ptr<GlobalShortcut> CreateX11GlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreatePortalGlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreateMacGlobalShortcut(QObject *parent);
std::unique_ptr<GlobalShortcut> CreateWindowsGlobalShortcut(QObject *parent);
