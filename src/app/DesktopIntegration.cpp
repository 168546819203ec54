#include "app/DesktopIntegration.h"

#include "app/Autostart.h"
#include "core/MProblems.h"
#include "platform/GlobalShortcut.h"
#include "sync/MOLONUtils.h"
#include "text/Logging.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
#include <QSystemTrayIcon>
#include <QUrl>
#include <QWidget>

DesktopIntegration::DesktopIntegration(QObject *parent)
    : QObject(parent), m_Paste(DesktopPaste::Create())
{
    connect(m_Paste.get(), &DesktopPaste::finished, this, &DesktopIntegration::pasteFinished);
}

DesktopIntegration::~DesktopIntegration() = default;

void DesktopIntegration::startGlobalShortcut(const QString &portableText)
{
    m_GlobalShortcut = GlobalShortcut::Create();
    connect(m_GlobalShortcut.get(), &GlobalShortcut::activated, this,
            &DesktopIntegration::globalShortcutActivated);
    connect(m_GlobalShortcut.get(), &GlobalShortcut::stateChanged, this,
            &DesktopIntegration::globalShortcutStateChanged);
    applyGlobalShortcut(portableText);
}

void DesktopIntegration::applyGlobalShortcut(const QString &portableText)
{
    m_ShortcutText = portableText;
    m_GlobalShortcut->setKeys(QKeySequence::fromString(portableText, QKeySequence::PortableText));
    globalShortcutStateChanged();
}

void DesktopIntegration::globalShortcutStateChanged()
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
                  qUtf8Printable(m_ShortcutText));
}

void DesktopIntegration::watchWindow(QWidget *window, std::function<bool()> terminating)
{
    m_Window = window;
    m_Terminating = std::move(terminating);
    window->installEventFilter(this);
}

bool DesktopIntegration::eventFilter(QObject *watched, QEvent *event)
{
    // Closing the board only hides it: the app lives on in the tray. Without a
    // tray, closing the window is how the user quits.
    // While the app ends, the window closes for real: the end of a desktop session
    // is cancelled by a window that refuses.
    // However the board goes (Escape, the shortcut, the window's close button), the
    // window noted to paste into goes with it.
    if (watched == m_Window && event->type() == QEvent::Hide)
        m_Paste->forgetRemembered();
    if (watched == m_Window && event->type() == QEvent::Close && !m_Terminating()) {
        if (QSystemTrayIcon::isSystemTrayAvailable()) {
            event->ignore();
            m_Window->hide();
            return true;
        }
        emit quitRequested();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopIntegration::hideWindow()
{
    // The window to paste into is the one of this show only.
    m_Paste->forgetRemembered();
    // Without a tray a hidden window could not be brought back.
    if (QSystemTrayIcon::isSystemTrayAvailable())
        m_Window->hide();
    else
        m_Window->showMinimized();
}

void DesktopIntegration::pasteAfterCopy(bool enabled)
{
    if (!enabled || !m_Paste->supported())
        return;
    // The clipboard is this app's by now (Qt takes the selection before setText
    // returns); the target asks for the text once the keystroke arrives, and the
    // event loop, never blocked while the paste waits for the focus, answers it.
    // Taken before the board hides, which forgets the window noted at this show.
    m_Paste->pasteIntoRemembered(QGuiApplication::clipboard()->text());
    hideWindow();
}

void DesktopIntegration::pasteFinished(DesktopPaste::Outcome outcome)
{
    if (outcome == DesktopPaste::Outcome::SeveralLinesIntoTerminal)
        emit tellRequested(tr("Several lines: copied, paste it yourself"), false);
}

void DesktopIntegration::setStartAtLogin(bool on)
{
    const bool done =
        on ? Autostart::Enable(QCoreApplication::applicationFilePath()) : Autostart::Disable();
    if (!done)
        emit tellRequested(
            on ? tr("Pinlark could not add itself to the programs that start at login.")
               : tr("Pinlark could not remove itself from the programs that start at login."),
            true);
}

bool DesktopIntegration::startsAtLogin()
{
    return Autostart::IsEnabled();
}

void DesktopIntegration::openPage(const QString &clientUrl, const QString &webUrl)
{
#ifdef Q_OS_LINUX
    // No notebook client exists here to take the client address.
    constexpr bool webFirst = true;
#else
    constexpr bool webFirst = false;
#endif
    for (const QUrl &address : MOLONUtils::PageOpenAddresses(clientUrl, webUrl, webFirst)) {
        if (QDesktopServices::openUrl(address))
            return;
    }
}

bool DesktopIntegration::raiseModalWindow()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return false;
    modal->raise();
    modal->activateWindow();
    return true;
}
