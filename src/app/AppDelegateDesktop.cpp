// The desktop side of the shell: the preferences, the global shortcut, paste into
// the previous window, start at login and the Preferences window.

#include "app/AppDelegate.h"
#include "app/Autostart.h"
#include "board/MTabViewColumn.h"
#include "core/MGlobals.h"
#include "core/MProblems.h"
#include "platform/DesktopPaste.h"
#include "platform/GlobalShortcut.h"
#include "text/Logging.h"
#include "ui_MainWindow.h"
#include "windows/MWinPreferences.h"

#include <QAction>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTabWidget>

namespace {

constexpr bool kStartAtLoginSupported =
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    true;
#else
    false;
#endif

// What the Preferences window says under the shortcut, and whether it is a problem.
std::pair<QString, bool> shortcutNote(GlobalShortcut::State state)
{
    switch (state) {
    case GlobalShortcut::State::Off:
    case GlobalShortcut::State::Active:
        return {};
    case GlobalShortcut::State::Pending:
        return {QCoreApplication::translate("MWinPreferences",
                                            "Waiting for the desktop to accept the shortcut…"),
                false};
    case GlobalShortcut::State::Taken:
        return {QCoreApplication::translate(
                    "MWinPreferences", "Another program holds this shortcut. Choose another one."),
                true};
    case GlobalShortcut::State::Invalid:
        return {QCoreApplication::translate(
                    "MWinPreferences",
                    "This cannot be a global shortcut: hold Ctrl, Alt or Super with a key."),
                true};
    case GlobalShortcut::State::Unsupported:
        return {QCoreApplication::translate(
                    "MWinPreferences",
                    "This desktop does not offer global shortcuts to programs. Bind a shortcut "
                    "to the command pinlark in the desktop's settings instead."),
                false};
    }
    return {};
}

} // namespace

void AppDelegate::setUpDesktop()
{
    m_Preferences = Preferences::Read(g_ConfigFilePath.load());
    m_GlobalShortcut = GlobalShortcut::Create();
    connect(m_GlobalShortcut.get(), &GlobalShortcut::activated, this,
            &AppDelegate::globalShortcutActivated);
    connect(m_GlobalShortcut.get(), &GlobalShortcut::stateChanged, this,
            &AppDelegate::globalShortcutStateChanged);
    applyGlobalShortcut(m_Preferences.globalShortcut);
    applyCopyWithoutName();
}

void AppDelegate::applyGlobalShortcut(const QString &portableText)
{
    m_GlobalShortcut->setKeys(QKeySequence::fromString(portableText, QKeySequence::PortableText));
    globalShortcutStateChanged();
}

void AppDelegate::globalShortcutStateChanged()
{
    // Only a combination someone else holds is the user's problem to hear of; a
    // desktop without global shortcuts is said in the Preferences window.
    const GlobalShortcut::State state = m_GlobalShortcut->state();
    if (state == GlobalShortcut::State::Taken)
        MProblems::Raise(MProblem::ShortcutTaken);
    else
        MProblems::Clear(MProblem::ShortcutTaken);
    if (state == GlobalShortcut::State::Invalid)
        qCWarning(lcApp, "The global shortcut \"%s\" cannot be used",
                  qUtf8Printable(m_Preferences.globalShortcut));
}

void AppDelegate::globalShortcutActivated()
{
    // A minimised board may still count as the active window.
    if (m_Window->isVisible() && !m_Window->isMinimized() && m_Window->isActiveWindow()) {
        hideWindow();
        return;
    }
    MenuItemPinlarkClick();
}

void AppDelegate::applyCopyWithoutName()
{
    const bool on = m_Preferences.copyWithoutName;
    const bool formatting = m_Preferences.copyFormatting;
    m_TabViewColumnSearch->setCopyWithoutName(on);
    m_TabViewColumnSearch->setCopyFormatting(formatting);
    for (int i = 0; i < m_Ui->tabView->count(); ++i) {
        auto *column = static_cast<MTabViewColumn *>(m_Ui->tabView->widget(i));
        column->setCopyWithoutName(on);
        column->setCopyFormatting(formatting);
    }
}

void AppDelegate::pasteAfterCopy()
{
    if (!m_Preferences.pasteAfterCopy || !m_Paste->supported())
        return;
    // The clipboard is this app's by now (Qt takes the selection before setText
    // returns); the target asks for the text once the keystroke arrives, and the
    // event loop, never blocked while the paste waits for the focus, answers it.
    // Taken before the board hides, which forgets the window noted at this show.
    m_Paste->pasteIntoRemembered(QGuiApplication::clipboard()->text());
    hideWindow();
}

void AppDelegate::pasteFinished(DesktopPaste::Outcome outcome)
{
    if (outcome == DesktopPaste::Outcome::SeveralLinesIntoTerminal)
        tell(tr("Several lines: copied, paste it yourself"), false);
}

void AppDelegate::MenuItemStartAtLoginClick(bool on)
{
    const bool done =
        on ? Autostart::Enable(QCoreApplication::applicationFilePath()) : Autostart::Disable();
    if (m_StartAtLoginAction)
        m_StartAtLoginAction->setChecked(Autostart::IsEnabled());
    if (!done)
        tell(on ? tr("Pinlark could not add itself to the programs that start at login.")
                : tr("Pinlark could not remove itself from the programs that start at login."),
             true);
}

void AppDelegate::MenuItemPreferencesClick()
{
    if (raiseModalWindow())
        return;
    MWinPreferences window;
    window.setGlobalShortcut(m_GlobalShortcut->keys());
    const auto showState = [this, &window] {
        const auto [note, problem] = shortcutNote(m_GlobalShortcut->state());
        window.setShortcutNote(note, problem);
    };
    showState();
    window.setPasteAfterCopy(m_Preferences.pasteAfterCopy, m_Paste->supported());
    window.setCopyWithoutName(m_Preferences.copyWithoutName);
    window.setCopyFormatting(m_Preferences.copyFormatting);
    window.setOrderByUse(m_Preferences.orderByUse);
    window.setStartAtLogin(kStartAtLoginSupported && Autostart::IsEnabled(),
                           kStartAtLoginSupported);
    window.setClientId(Preferences::StoredClientId(g_ConfigFilePath.load()));

    // A portal answers later: the window follows.
    connect(m_GlobalShortcut.get(), &GlobalShortcut::stateChanged, &window, showState);
    connect(&window, &MWinPreferences::globalShortcutChosen, this,
            [this, &window](const QKeySequence &keys) {
                const QString previous = m_Preferences.globalShortcut;
                m_Preferences.globalShortcut = keys.toString(QKeySequence::PortableText);
                applyGlobalShortcut(m_Preferences.globalShortcut);
                if (m_GlobalShortcut->state() != GlobalShortcut::State::Invalid) {
                    Preferences::SaveGlobalShortcut(m_Preferences.globalShortcut);
                    return;
                }
                // No shortcut at all (a bare letter): the one before stays, in effect
                // and in the file, and the window says why.
                m_Preferences.globalShortcut = previous;
                applyGlobalShortcut(previous);
                window.setGlobalShortcut(m_GlobalShortcut->keys());
                window.setShortcutNote(shortcutNote(GlobalShortcut::State::Invalid).first, true);
            });
    connect(&window, &MWinPreferences::pasteAfterCopyToggled, this, [this](bool on) {
        m_Preferences.pasteAfterCopy = on;
        Preferences::SavePasteAfterCopy(on);
    });
    connect(&window, &MWinPreferences::copyWithoutNameToggled, this, [this](bool on) {
        m_Preferences.copyWithoutName = on;
        applyCopyWithoutName();
        Preferences::SaveCopyWithoutName(on);
    });
    connect(&window, &MWinPreferences::copyFormattingToggled, this, [this](bool on) {
        m_Preferences.copyFormatting = on;
        applyCopyWithoutName();
        Preferences::SaveCopyFormatting(on);
    });
    connect(&window, &MWinPreferences::orderByUseToggled, this, [this](bool on) {
        m_Preferences.orderByUse = on;
        Preferences::SaveOrderByUse(on);
    });
    connect(&window, &MWinPreferences::startAtLoginToggled, this, [this, &window](bool on) {
        MenuItemStartAtLoginClick(on);
        window.setStartAtLogin(Autostart::IsEnabled(), kStartAtLoginSupported);
    });
    connect(&window, &MWinPreferences::clientIdChosen, this, [this](const QString &clientId) {
        // Taken up the way an edited settings file is: read again, and a rejected
        // id is tried once more.
        if (Preferences::SaveClientId(clientId))
            serviceSettingsChanged();
    });
    window.showWindow();
}
