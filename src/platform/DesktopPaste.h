#pragma once

#include <QObject>
#include <QString>
#include <memory>

// Pastes what the app just copied into the window the user was in before the app
// came forward: that window gets the focus back, then the paste keystroke. Only
// where the platform lets one program type into another (X11); elsewhere
// supported() is false and the copy alone happens.
class DesktopPaste : public QObject
{
    Q_OBJECT

public:
    enum class Outcome {
        // The keystroke went out.
        Pasted,
        // No window was noted at this show of the board, it did not take the focus
        // in time, or the app no longer owns the clipboard.
        NotPasted,
        // The text holds a line break and the window is a terminal, where it would
        // run as a command: it was given the focus, but the user pastes.
        SeveralLinesIntoTerminal,
    };
    Q_ENUM(Outcome)

    // The one for the platform the application runs on.
    static std::unique_ptr<DesktopPaste> Create(QObject *parent = nullptr);

    virtual bool supported() const { return false; }
    // Notes the window that is active now, as the board is shown: call it before
    // the app's window takes the focus. When the app's own window is active (the
    // board is up already) the window noted at this show stays; when none is, no
    // window is noted, whatever an earlier show noted.
    virtual void rememberActiveWindow() {}
    // The board hid: the window noted for it is forgotten.
    virtual void forgetRemembered() {}
    // Takes the noted window (it is forgotten here), gives it the focus back and,
    // once it has it, types the paste keystroke for `text`, which the app has put
    // on the clipboard. Ends with finished().
    virtual void pasteIntoRemembered(const QString &text);

    // Whether `text` is more than one line (a line break anywhere, also at the end:
    // a terminal runs what comes before it).
    static bool HasSeveralLines(const QString &text);

signals:
    void finished(DesktopPaste::Outcome outcome);

protected:
    explicit DesktopPaste(QObject *parent) : QObject(parent) {}
};

std::unique_ptr<DesktopPaste> CreateX11DesktopPaste(QObject *parent);
