#pragma once

#include <QObject>
#include <memory>

// Pastes what the app just copied into the window the user was in before the app
// came forward: that window gets the focus back, then the paste keystroke. Only
// where the platform lets one program type into another (X11); elsewhere
// supported() is false and the copy alone happens.
class DesktopPaste : public QObject
{
    Q_OBJECT

public:
    // The one for the platform the application runs on.
    static std::unique_ptr<DesktopPaste> Create(QObject *parent = nullptr);

    virtual bool supported() const { return false; }
    // Notes the window that is active now, unless it is one of the app's own (the
    // board was already up): call it before the app's window takes the focus.
    virtual void rememberActiveWindow() {}
    // Gives the noted window the focus back and, once it has it, types the paste
    // keystroke. Ends with finished(true) when the keystroke went out, finished(false)
    // when there was no window to go back to, it did not take the focus in time, or
    // the app no longer owns the clipboard.
    virtual void pasteIntoRemembered();

signals:
    void finished(bool pasted);

protected:
    explicit DesktopPaste(QObject *parent) : QObject(parent) {}
};

std::unique_ptr<DesktopPaste> CreateX11DesktopPaste(QObject *parent);
