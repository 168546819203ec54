#pragma once

#include "platform/DesktopPaste.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class GlobalShortcut;
class QWidget;

// What the app does with the desktop around it: the global shortcut, the paste into
// the window that was active before the board, and the start at login.
class DesktopIntegration : public QObject
{
    Q_OBJECT

public:
    // Desktops that follow the XDG autostart rules.
    static constexpr bool kStartAtLoginSupported =
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
        true;
#else
        false;
#endif

    explicit DesktopIntegration(QObject *parent = nullptr);
    ~DesktopIntegration() override;

    // Takes up the global shortcut, once the settings are read.
    void startGlobalShortcut(const QString &portableText);
    // The shortcut in effect, `portableText` in Qt's portable text; a combination
    // someone else holds is raised as a problem.
    void applyGlobalShortcut(const QString &portableText);
    GlobalShortcut *globalShortcut() const
    {
        return m_GlobalShortcut.get();
    }
    DesktopPaste *paste() const
    {
        return m_Paste.get();
    }
    // The board's window: closing it hides it to the tray (or, without a tray, quits
    // unless `terminating` already), and the window to paste into goes as it hides.
    void watchWindow(QWidget *window, std::function<bool()> terminating);
    // Hides the board to the tray; minimises it without one.
    void hideWindow();
    // Pastes what the board put on the clipboard into the window noted when it was
    // shown, and hides the board; nothing when `enabled` is off or the desktop cannot.
    void pasteAfterCopy(bool enabled);
    // Writes or removes the autostart entry, and says so when that failed.
    void setStartAtLogin(bool on);
    static bool startsAtLogin();
    // Opens the board's page: in the notebook client, or where there is none, the
    // browser; the other address when the first does not open.
    static void openPage(const QString &clientUrl, const QString &webUrl);
    // The tray menu works while a modal window is open; a second one on top of it
    // would only stack loops, so the open one comes to the front instead. False
    // when none is open.
    static bool raiseModalWindow();

signals:
    void globalShortcutActivated();
    void tellRequested(const QString &text, bool warning);
    // Without a tray, closing the board's window quits.
    void quitRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void globalShortcutStateChanged();
    void pasteFinished(DesktopPaste::Outcome outcome);

    std::unique_ptr<DesktopPaste> m_Paste;
    std::unique_ptr<GlobalShortcut> m_GlobalShortcut;
    QString m_ShortcutText;
    QWidget *m_Window = nullptr;
    std::function<bool()> m_Terminating;
};
